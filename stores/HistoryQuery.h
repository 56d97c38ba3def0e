#ifndef HISTORYQUERY_H
#define HISTORYQUERY_H

#include <QDate>
#include <QStringList>

class Entry;

/// What a history view shows: the sign-outs of the local days from..to whose
/// student and item texts contain every word, in one order. Words ignore case
/// and accents in every script; '%' and '_' in a word stand for any characters.
struct HistoryQuery
{
    /// Ties go to the moment, then to the order of recording, so equal keys
    /// keep their places from one reading to the next.
    enum Order {
        ByTime, ///< the moment
        ByStudent, ///< the student's name, then ID
        ByItem, ///< the item's name, then number
    };

    QDate from;
    QDate to;
    QStringList studentWords {};
    QStringList itemWords {};
    Order order = ByTime;
    Qt::SortOrder direction = Qt::AscendingOrder;

    bool hasWords() const { return !studentWords.isEmpty() || !itemWords.isEmpty(); }
    /// Whether the history's search finds \a entry.
    bool includes(const Entry& entry) const;
    bool operator==(const HistoryQuery& other) const
    {
        return from == other.from && to == other.to && studentWords == other.studentWords
            && itemWords == other.itemWords && order == other.order && direction == other.direction;
    }
};

#endif
