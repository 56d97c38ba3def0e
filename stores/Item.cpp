#include "stores/Item.h"

Item::Item(QString name, int number)
    : m_name(std::move(name))
    , m_number(number)
{
}

QString Item::toString() const
{
    return m_name + QLatin1String(" #") + QString::number(m_number);
}

bool Item::operator!=(const Item& other) const
{
    return m_name != other.m_name || m_number != other.m_number;
}

bool Item::operator<(const Item& other) const
{
    return m_name == other.m_name ? m_number < other.m_number : m_name < other.m_name;
}
