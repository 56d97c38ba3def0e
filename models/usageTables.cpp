#include "models/usageTables.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QSet>
#include <QTimeZone>

#include <algorithm>
#include <limits>

static UsageTable::Cell textCell(const QString& text)
{
    return { text, text };
}

static UsageTable::Cell numberCell(qsizetype number)
{
    return { QString::number(number), number };
}

UsageTable instrumentTable(const Usage& usage, const QList<Item>& inventory)
{
    UsageTable table { QCoreApplication::translate("usageTables", "By instrument"),
        { QCoreApplication::translate("usageTables", "Instrument"),
            QCoreApplication::translate("usageTables", "Copies"),
            QCoreApplication::translate("usageTables", "Sign-outs"),
            QCoreApplication::translate("usageTables", "Days with a copy out"),
            QCoreApplication::translate("usageTables", "Busiest copy"),
            QCoreApplication::translate("usageTables", "Copies never signed out") },
        {} };
    QMap<QString, QList<int>> copies;
    for (const Item& item : inventory)
        copies[item.name()].append(item.number());
    // Names signed out that the inventory no longer holds, one look-up a name.
    const auto namesEnd = [&usage](const QString& name) {
        return usage.signOutsPerCopy.upperBound(Item(name, std::numeric_limits<int>::max()));
    };
    for (auto copy = usage.signOutsPerCopy.cbegin(); copy != usage.signOutsPerCopy.cend();
         copy = namesEnd(copy.key().name()))
        copies[copy.key().name()];
    for (auto name = copies.begin(); name != copies.end(); ++name) {
        // The name's copies signed out lie together, in number order: walked
        // beside its copies in number order, not looked up one by one.
        const auto first = usage.signOutsPerCopy.lowerBound(Item(name.key(), std::numeric_limits<int>::min()));
        const auto end = namesEnd(name.key());
        qsizetype sum = 0;
        qsizetype most = 0;
        int busiest = 0;
        for (auto copy = first; copy != end; ++copy) {
            sum += *copy;
            if (*copy > most) {
                most = *copy;
                busiest = copy.key().number();
            }
        }
        std::sort(name->begin(), name->end());
        QStringList never;
        auto signedOut = first;
        for (int number : std::as_const(*name)) {
            while (signedOut != end && signedOut.key().number() < number)
                ++signedOut;
            if (signedOut == end || signedOut.key().number() != number)
                never.append(QStringLiteral("#%1").arg(number));
        }
        const qsizetype days = usage.daysOut.value(name.key());
        const double share = usage.schoolDays ? 100.0 * double(days) / double(usage.schoolDays) : 0.0;
        table.rows.append({ textCell(name.key()), numberCell(name->size()), numberCell(sum),
            { QCoreApplication::translate("usageTables", "%1% (%2 of %3 days)")
                    .arg(QLocale().toString(share, 'f', 0), QLocale().toString(days),
                        QLocale().toString(usage.schoolDays)),
                share },
            most ? UsageTable::Cell { QCoreApplication::translate("usageTables", "#%1 (%2)").arg(busiest).arg(most),
                most }
                 : textCell(QString()),
            { never.join(QLatin1String(", ")), never.size() } });
    }
    return table;
}

UsageTable weekTable(const Usage& usage, int lines)
{
    QMap<QString, qsizetype> sums;
    for (const auto& week : usage.weeks)
        for (auto name = week.cbegin(); name != week.cend(); ++name)
            sums[name.key()] += *name;
    QStringList chosen = sums.keys();
    std::stable_sort(chosen.begin(), chosen.end(),
        [&sums](const QString& a, const QString& b) { return sums.value(a) > sums.value(b); });
    chosen = chosen.mid(0, lines);
    UsageTable table { QCoreApplication::translate("usageTables", "Sign-outs per week"),
        QStringList { QCoreApplication::translate("usageTables", "Week of"),
            QCoreApplication::translate("usageTables", "All instruments") }
            + chosen,
        {} };
    for (auto week = usage.weeks.cbegin(); week != usage.weeks.cend(); ++week) {
        qsizetype all = 0;
        for (qsizetype count : *week)
            all += count;
        QList<UsageTable::Cell> row { { QLocale().toString(week.key(), QLocale::ShortFormat), week.key() },
            numberCell(all) };
        for (const QString& name : std::as_const(chosen))
            row.append(numberCell(week->value(name)));
        table.rows.append(row);
    }
    return table;
}

UsageTable hourTable(const Usage& usage)
{
    UsageTable table { QCoreApplication::translate("usageTables", "Sign-outs by weekday and hour"),
        { QCoreApplication::translate("usageTables", "Day") }, {} };
    for (int hour = 0; hour < 24; ++hour)
        table.headers.append(QStringLiteral("%1").arg(hour, 2, 10, QLatin1Char('0')));
    for (int day = 0; day < 7; ++day) {
        QList<UsageTable::Cell> row { { QLocale().dayName(day + 1), day } };
        for (int hour = 0; hour < 24; ++hour)
            row.append(numberCell(usage.hours.at(day * 24 + hour)));
        table.rows.append(row);
    }
    table.heatMap = true;
    return table;
}

UsageTable idleTable(const Usage& usage, QList<Item> inventory, const QDate& today, int idleWeeks)
{
    UsageTable table {
        QCoreApplication::translate("usageTables", "Idle copies (not signed out for %1 weeks)").arg(idleWeeks),
        { QCoreApplication::translate("usageTables", "Item"),
            QCoreApplication::translate("usageTables", "Last sign-out"),
            QCoreApplication::translate("usageTables", "Weeks idle") },
        {}
    };
    std::sort(inventory.begin(), inventory.end());
    const QDate lastIdleDay = today.addDays(-7 * qint64(idleWeeks));
    // The zone's rules read once: local time asks the system on every conversion.
    const QTimeZone zone = QTimeZone::systemTimeZone();
    for (const Item& item : std::as_const(inventory)) {
        const auto last = usage.lastSignOuts.constFind(item);
        if (last == usage.lastSignOuts.cend()) {
            table.rows.append({ textCell(item.toString()),
                { QCoreApplication::translate("usageTables", "never"), QVariant() }, { QString(), QVariant() } });
            continue;
        }
        const QDateTime moment = QDateTime::fromMSecsSinceEpoch(*last, zone);
        if (moment.date() > lastIdleDay)
            continue;
        table.rows.append({ textCell(item.toString()), { QLocale().toString(moment, QLocale::ShortFormat), *last },
            numberCell(moment.date().daysTo(today) / 7) });
    }
    return table;
}

UsageTable studentTable(const Usage& usage)
{
    UsageTable table { QCoreApplication::translate("usageTables", "Students per instrument"),
        { QCoreApplication::translate("usageTables", "Instrument"),
            QCoreApplication::translate("usageTables", "Different students") },
        {} };
    for (auto name = usage.students.cbegin(); name != usage.students.cend(); ++name)
        table.rows.append({ textCell(name.key()), numberCell(*name) });
    return table;
}
