#include "stores/historyCsv.h"

#include "stores/AbstractHistory.h"

#include <QDateTime>
#include <QIODevice>

#include <algorithm>
#include <cstdio>
#include <limits>

// Big enough that a million rows take a hundred reads, small enough to stay a
// few megabytes.
constexpr qsizetype BlockRows = 10'000;

static void appendField(QString& line, const QString& field)
{
    const auto special = [](QChar c) { return c == u',' || c == u'"' || c == u'\n' || c == u'\r'; };
    if (std::none_of(field.cbegin(), field.cend(), special)) {
        line += field;
        return;
    }
    line += u'"';
    line += QString(field).replace(QLatin1String("\""), QLatin1String("\"\""));
    line += u'"';
}

// "yyyy-MM-ddTHH:mm:ss" in local time. Converting each moment with QDateTime
// asks the system for the time zone every time (a file system call on Linux,
// a million of them for a million rows); the offset is asked once per quarter
// of an hour instead, as every change of a zone's offset in use since 1970
// falls on one.
class IsoLocalTime
{
public:
    QLatin1String operator()(qint64 msecs)
    {
        const qint64 quarter = floorDivision(msecs, QuarterMSecs);
        if (quarter != lastQuarter) {
            lastQuarter = quarter;
            offsetSecs = QDateTime::fromMSecsSinceEpoch(msecs).offsetFromUtc();
        }
        const qint64 secs = floorDivision(msecs, 1000) + offsetSecs;
        const qint64 days = floorDivision(secs, SecsPerDay);
        const int secsOfDay = int(secs - days * SecsPerDay);
        const QDate date = QDate(1970, 1, 1).addDays(days);
        const int length = std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", date.year(), date.month(),
            date.day(), secsOfDay / 3600, secsOfDay / 60 % 60, secsOfDay % 60);
        return QLatin1String(text, length);
    }

private:
    static constexpr qint64 QuarterMSecs = 15 * 60 * 1000;
    static constexpr qint64 SecsPerDay = 24 * 60 * 60;
    static qint64 floorDivision(qint64 a, qint64 b) { return a / b - (a % b < 0 ? 1 : 0); }

    qint64 lastQuarter = std::numeric_limits<qint64>::min();
    int offsetSecs = 0;
    char text[32];
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

    IsoLocalTime isoLocalTime;
    QString text;
    for (qsizetype written = 0; written < total;) {
        const QList<Entry> block = history.slice(query, written, std::min(BlockRows, total - written));
        if (block.isEmpty())
            return HistoryCsvResult::HistoryUnreadable;
        text.clear();
        for (const Entry& entry : block) {
            text += isoLocalTime(entry.msecsSinceEpoch());
            text += u',';
            appendField(text, entry.student().name());
            text += u',';
            appendField(text, entry.student().id());
            text += u',';
            appendField(text, entry.item().name());
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
