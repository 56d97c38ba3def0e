#ifndef TABLE_H
#define TABLE_H

#include <QList>
#include <QStringList>

#include <utility>

/// The benchmark's figures, printed as an aligned table.
class Table
{
public:
    void add(const QString& operation, const QString& program, const QString& floor = {}, const QString& ratio = {},
        const QString& target = {});
    void time(const QString& operation, double ms, const QString& target = {});
    void againstFloor(const QString& operation, double ms, double floorMs, const QString& target);
    /// A time with the processor time of the process meanwhile, which a
    /// shared machine's load moves far less.
    void timeAndProcessor(const QString& operation, std::pair<double, double> ms, const QString& target = {});
    void print() const;

    static QString milliseconds(double ms);
    static QString megabytes(long kb);

private:
    QList<QStringList> rows; // operation, program, floor, ratio, processor, target
};

#endif
