#ifndef NAMERANKS_H
#define NAMERANKS_H

#include "stores/HistoryQuery.h"

#include <QLocale>

#include <optional>

class PreparedStatements;

/// The places of the history's students and items in the order the language
/// in use sorts their names (QCollator of the default QLocale), kept in
/// temporary tables of this connection: "studentOrder (rank, name)", a rank
/// per distinct name, and "itemOrder (rank, name, number)", a rank per item.
/// The history's reads join them to walk an order's index rank by rank. Each
/// connection keeps its own: kiosks sharing a database may speak different
/// languages. Names of equal keys keep their order by code point, as before.
class NameRanks
{
public:
    /// What prepare() did to the ranks.
    enum class Outcome { Kept, Rebuilt, Failed };

    explicit NameRanks(PreparedStatements& prepared);

    /// Makes sure the ranks of \a order's names hold every name of the
    /// history, in the language in use; Kept for the time order.
    Outcome prepare(HistoryQuery::Order order);
    /// Where reading \a offset rows into \a order and \a direction starts:
    /// the rank whose rows hold that row, and the rows of the ranks before it.
    struct Start
    {
        qint64 rank = 0;
        qsizetype rowsBefore = 0;
    };
    /// The Start of \a offset from the rows counted per name as they came
    /// in, which hold only for a range of \a rows that holds every row of the
    /// history; nullopt for any other.
    std::optional<Start> startOf(HistoryQuery::Order order, Qt::SortOrder direction, qsizetype offset, qsizetype rows);
    /// Rows were added: a name may be new, which the next prepare() looks for.
    void mayHaveGrown();
    /// The history may have been rewritten: the next prepare() builds anew.
    void forget();

private:
    /// The ranks of one kind of name.
    struct Ranks
    {
        HistoryQuery::Order order = HistoryQuery::ByStudent;
        QLocale locale {};
        qsizetype listed = -1; // the students or items listed when built; -1 until then
        bool mayHaveGrown = false;
    };

    bool isCurrent(Ranks& ranks);
    bool build(Ranks& ranks);

    PreparedStatements& statements;
    Ranks students { HistoryQuery::ByStudent };
    Ranks items { HistoryQuery::ByItem };
};

#endif
