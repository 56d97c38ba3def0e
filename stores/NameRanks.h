#ifndef NAMERANKS_H
#define NAMERANKS_H

#include "stores/HistoryQuery.h"

#include <QLocale>

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
