#ifndef ITEM_H
#define ITEM_H

#include <QString>

/// One numbered copy of a named instrument; (name, number) identifies it.
class Item
{
public:
    Item() = default;
    Item(QString name, int number);

    const QString& name() const { return m_name; }
    int number() const { return m_number; }

    /// "name #number": how an item is shown, and what history searches match.
    QString toString() const;

    bool operator!=(const Item& other) const;
    bool operator==(const Item& other) const { return !(*this != other); }
    /// By name (UTF-16 code units, case-sensitive), then by number.
    bool operator<(const Item& other) const;

private:
    QString m_name;
    int m_number = 0;
};

// Only relocatable members: a growing QList moves it without copying.
Q_DECLARE_TYPEINFO(Item, Q_RELOCATABLE_TYPE);

#endif
