#ifndef FLOORCONNECTION_H
#define FLOORCONNECTION_H

#include <QByteArray>
#include <QVariantList>

class Item;
class Student;

/// A connection of its own to the kiosk's database through the database's C
/// API, which runs the stores' statements as directly as that API allows:
/// the floor that the kiosk's own code is measured against.
class FloorConnection
{
public:
    virtual ~FloorConnection() = default;

    /// Runs \a sql ("?" placeholders) with \a values bound, reading every
    /// column of every row; returns the number of rows.
    virtual int run(const QByteArray& sql, const QVariantList& values = {}) = 0;
    /// The statements with which the history store records \a item signed
    /// out by \a student now.
    virtual void addToHistory(const Student& student, const Item& item) = 0;

    /// Sums what was read, so that no read can be left out.
    qint64 checksum = 0;
};

#endif
