#include "stores/historyCsv.h"

#include "stores/AbstractHistory.h"
#include "stores/csvFields.h"

#include <QDateTime>
#include <QIODevice>
#include <QTimeZone>

#include <algorithm>
#include <limits>

// Big enough that a million rows take a hundred reads, small enough to stay a
// few megabytes.
constexpr qsizetype BlockRows = 10'000;

// Appends moments as "yyyy-MM-ddTHH:mm:ss" in local time. QDateTime asks the
// system for the zone's offset on every conversion, a file system call on
// Linux, so a million rows would cost a million of them; here the offset is
// asked again only past the zone's next change of it.
class LocalMoments
{
public:
    void append(QString& text, qint64 msecs)
    {
        const qint64 secs = floorDivision(msecs, 1000) + offsetSecsAt(msecs);
        const qint64 days = floorDivision(secs, SecsPerDay);
        if (days != shownDay) {
            shownDay = days;
            dayText = QDate(1970, 1, 1).addDays(days).toString(Qt::ISODate);
        }
        const int secsOfDay = int(secs - days * SecsPerDay);
        text += dayText;
        text += u'T';
        appendTwoDigits(text, secsOfDay / 3600);
        text += u':';
        appendTwoDigits(text, secsOfDay / 60 % 60);
        text += u':';
        appendTwoDigits(text, secsOfDay % 60);
    }

private:
    static constexpr qint64 SecsPerDay = 24 * 60 * 60;

    static qint64 floorDivision(qint64 a, qint64 b) { return a / b - (a % b < 0 ? 1 : 0); }
    static void appendTwoDigits(QString& text, int value)
    {
        text += QChar(u'0' + value / 10);
        text += QChar(u'0' + value % 10);
    }

    int offsetSecsAt(qint64 msecs)
    {
        if (msecs < knownFrom || msecs >= knownUntil) {
            const QDateTime moment = QDateTime::fromMSecsSinceEpoch(msecs, Qt::UTC);
            offsetSecs = zone.offsetFromUtc(moment);
            const QTimeZone::OffsetData next = zone.nextTransition(moment);
            knownFrom = msecs;
            knownUntil = next.atUtc.isValid() ? next.atUtc.toMSecsSinceEpoch() : std::numeric_limits<qint64>::max();
        }
        return offsetSecs;
    }

    const QTimeZone zone = QTimeZone::systemTimeZone();

    qint64 knownFrom = 0;
    qint64 knownUntil = 0;
    int offsetSecs = 0;
    qint64 shownDay = std::numeric_limits<qint64>::min();
    QString dayText;
};

static bool writeAll(QIODevice& device, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return device.write(bytes) == bytes.size();
}

HistoryCsvResult writeHistoryCsv(
    QIODevice& device, AbstractHistory& history, HistoryQuery query, const Progress& progress)
{
    query.order = HistoryQuery::ByTime;
    query.direction = Qt::AscendingOrder;
    const qsizetype total = history.count(query);
    if (total < 0)
        return HistoryCsvResult::HistoryUnreadable;
    if (!writeAll(device, QStringLiteral("\uFEFFDate and Time,Student Name,Student ID,Item Name,Item Number\r\n")))
        return HistoryCsvResult::DeviceFailed;

    LocalMoments moments;
    QString text;
    for (qsizetype written = 0; written < total;) {
        const QList<Entry> block = history.slice(query, written, std::min(BlockRows, total - written));
        if (block.isEmpty())
            return HistoryCsvResult::HistoryUnreadable;
        text.clear();
        for (const Entry& entry : block) {
            moments.append(text, entry.msecsSinceEpoch());
            text += u',';
            appendCsvField(text, entry.student().name());
            text += u',';
            appendCsvField(text, entry.student().id());
            text += u',';
            appendCsvField(text, entry.item().name());
            text += u',';
            text += QString::number(entry.item().number());
            text += QLatin1String("\r\n");
        }
        if (!writeAll(device, text))
            return HistoryCsvResult::DeviceFailed;
        written += block.size();
        if (progress && !progress(written, total))
            return HistoryCsvResult::Cancelled;
    }
    return HistoryCsvResult::Written;
}
