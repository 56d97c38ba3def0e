#ifndef TABLE_H
#define TABLE_H

#include <QList>
#include <QStringList>

/// The benchmark's figures, printed as an aligned table.
class Table
{
public:
    void add(const QString& operation, const QString& program, const QString& floor = {}, const QString& ratio = {},
        const QString& target = {});
    void time(const QString& operation, double ms, const QString& target = {});
    void againstFloor(const QString& operation, double ms, double floorMs, const QString& target);
    void print() const;

    static QString milliseconds(double ms);
    static QString megabytes(long kb);

private:
    QList<QStringList> rows;
};

#endif
