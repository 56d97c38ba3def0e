#ifndef USAGETABLE_H
#define USAGETABLE_H

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

/// One table of the usage page: what it shows, and what it sorts by.
struct UsageTable
{
    struct Cell
    {
        QString text;
        QVariant value; ///< a number where the column holds numbers, so it sorts as one
    };

    QString title;
    QStringList headers;
    QList<QList<Cell>> rows;
    /// Whether its cells are shaded by their numbers, as a heat map.
    bool heatMap = false;
};

#endif
