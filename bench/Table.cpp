#include "Table.h"

#include <algorithm>
#include <cstdio>

void Table::add(
    const QString& operation, const QString& program, const QString& floor, const QString& ratio, const QString& target)
{
    rows.append({ operation, program, floor, ratio, {}, target });
}

void Table::time(const QString& operation, double ms, const QString& target)
{
    add(operation, milliseconds(ms), {}, {}, target);
}

void Table::againstFloor(const QString& operation, double ms, double floorMs, const QString& target)
{
    add(operation, milliseconds(ms), milliseconds(floorMs), QString::number(ms / floorMs, 'f', 2), target);
}

void Table::timeAndProcessor(const QString& operation, std::pair<double, double> ms, const QString& target)
{
    rows.append({ operation, milliseconds(ms.first), {}, {}, milliseconds(ms.second), target });
}

void Table::print() const
{
    const bool withProcessor
        = std::any_of(rows.cbegin(), rows.cend(), [](const QStringList& row) { return !row.at(4).isEmpty(); });
    QList<QStringList> shown { { "operation", "program", "floor", "ratio", "processor", "target" } };
    shown += rows;
    if (!withProcessor)
        for (QStringList& row : shown)
            row.removeAt(4);
    QList<qsizetype> widths(shown.first().size());
    for (const QStringList& row : std::as_const(shown))
        for (qsizetype i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], row.at(i).size());
    for (const QStringList& row : std::as_const(shown)) {
        QString line = row.at(0).leftJustified(widths[0]);
        for (qsizetype i = 1; i < row.size() - 1; ++i)
            line += QLatin1String("  ") + row.at(i).rightJustified(widths[i]);
        line += QLatin1String("  ") + row.last();
        std::printf("%s\n", qPrintable(line.trimmed()));
    }
}

QString Table::milliseconds(double ms)
{
    return QString::number(ms, 'f', ms < 10 ? 2 : 1) + " ms";
}

QString Table::megabytes(long kb)
{
    return QString::number(kb / 1024.0, 'f', 1) + " MB";
}
