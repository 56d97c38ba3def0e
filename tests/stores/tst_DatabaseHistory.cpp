#include "stores/DatabaseHistory.h"
#include "stores/SystemClock.h"
#include "stores/searchFolding.h"
#include "support/FakeHistory.h"
#include "support/StoreBackend.h"
#include "support/TestWorkspace.h"
#include "support/sqliteFile.h"
#include "support/usageDifferences.h"

#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSet>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

#include <algorithm>
#include <memory>
#include <tuple>

Q_DECLARE_METATYPE(HistoryQuery::Order)

// Runs under TZ=Europe/Berlin: days of 23 and 25 hours around the clock changes.
class tst_DatabaseHistory : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstRunCreatesTableAndIndex();
    void addedEntryIsToday();
    void addStoresTheWholeRecord();
    void textsRoundTrip_data();
    void textsRoundTrip();
    void dayBoundaries_data();
    void dayBoundaries();
    void slicesInEveryOrder_data();
    void slicesInEveryOrder();
    void namesSortAsTheLanguageSorts_data();
    void namesSortAsTheLanguageSorts();
    void searchFindsAllTheOldSearchFound_data();
    void searchFindsAllTheOldSearchFound();
    void invertedRangeIsEmpty();
    void filters_data();
    void filters();
    void insertionOrderWhateverTheFilters();
    void clearEmptiesAndEmitsOnce();
    void failedChangesAreReportedAndStillEmit();
    void rowsSurviveARestart();
    void fileOfTheFirstReleaseIsUpgraded();
    void backupsSnapshotHoldsUpNoSignOut();
    void rowsWithoutNamesAreShown_data();
    void rowsWithoutNamesAreShown();
    void usageMatchesANaiveCount_data();
    void usageMatchesANaiveCount();

private:
    enum Preparation { AsRecorded, ClearedFirst, Upgraded };

    QList<QString> itemTexts(const QList<Entry>& entries);
    void forgetCountsPerDay();

    SystemClock clock;
    std::unique_ptr<TestWorkspace> workspace;
    std::unique_ptr<StoreBackend> backend;
    std::unique_ptr<AbstractHistory> history;
};

void tst_DatabaseHistory::init()
{
    workspace = std::make_unique<TestWorkspace>();
    backend = std::make_unique<StoreBackend>();
    history = backend->makeHistory(clock);
}

void tst_DatabaseHistory::cleanup()
{
    history.reset();
    backend.reset();
    workspace.reset();
}

QList<QString> tst_DatabaseHistory::itemTexts(const QList<Entry>& entries)
{
    QList<QString> texts;
    for (const Entry& entry : entries)
        texts.append(entry.item().toString());
    return texts;
}

void tst_DatabaseHistory::firstRunCreatesTableAndIndex()
{
    if (StoreBackend::isPostgres())
        QSKIP("About the history file");
    QVERIFY(QFile::exists(workspace->filePath("history")));
    QSqlQuery query(QSqlDatabase::database("history"));
    QVERIFY(query.exec("SELECT sql FROM sqlite_master WHERE type = 'table' AND name = 'history'"));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toString(),
        QString("CREATE TABLE history (dateTime INTEGER, studentName TEXT, studentId TEXT, "
                "studentPassword TEXT, itemName TEXT, itemNumber INTEGER)"));
    // One index per order the history page shows, and the usage page's students per instrument.
    QVERIFY(query.exec("SELECT count(*) FROM sqlite_master WHERE type = 'index' AND tbl_name = 'history'"));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toInt(), 4);
}

void tst_DatabaseHistory::addedEntryIsToday()
{
    QSignalSpy modified(history.get(), &AbstractHistory::modified);
    const qint64 before = QDateTime::currentMSecsSinceEpoch();
    QVERIFY(history->add(Student("Ada", "1", "pw"), Item("Oboe", 2)));
    const qint64 after = QDateTime::currentMSecsSinceEpoch();
    QCOMPARE(modified.count(), 1);

    const QDate today = QDate::currentDate();
    const QList<Entry> entries = history->entries(today, today, {}, {});
    QCOMPARE(entries.size(), 1);
    QVERIFY(entries.first().dateTime().toMSecsSinceEpoch() >= before);
    QVERIFY(entries.first().dateTime().toMSecsSinceEpoch() <= after);
    QCOMPARE(history->entries(today.addDays(-7), today.addDays(7), {}, {}).size(), 1);
    QVERIFY(history->entries(today.addDays(-7), today.addDays(-1), {}, {}).isEmpty());
}

void tst_DatabaseHistory::addStoresTheWholeRecord()
{
    history->add(Student("Ada", "1", QString()), Item("Oboe", 2));
    history->add(Student("Bo", "2", ""), Item("Harp", -1));
    const QDate today = QDate::currentDate();
    const QList<Entry> entries = history->entries(today, today, {}, {});
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries.at(0).student().toString(), QString("Ada (1)"));
    // The password stays in the list: rows are kept for years.
    QVERIFY(entries.at(0).student().password().isNull());
    QVERIFY(entries.at(1).student().password().isNull());
    QCOMPARE(entries.at(1).item().toString(), QString("Harp #-1"));
}

void tst_DatabaseHistory::textsRoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("outside the basic plane") << QString("Zoë 🎻𝄞 Ørsted");
    QTest::newRow("markup") << QString("<b>Bold</b> &amp; <script>x</script>");
    QTest::newRow("SQL") << QString("'; DELETE FROM history; --");
    QTest::newRow("a megabyte") << QString(1 << 20, QChar(u'é'));
    QTest::newRow("NUL inside") << QString("a") + QChar(0) + "b";
    QTest::newRow("a kiosks' notice lookalike") << QString("history [1,\"x\\\"],[\n\t{}");
}

void tst_DatabaseHistory::textsRoundTrip()
{
    QFETCH(QString, text);
    if (StoreBackend::isPostgres() && (text.contains(QChar(0)) || text.size() > 1000))
        QSKIP("PostgreSQL holds no NUL in a text and indexes no megabyte: such a sign-out is refused, not stored");
    QSignalSpy added(history.get(), &AbstractHistory::added);
    QVERIFY(history->add(Student(text, text, text), Item(text, 7)));
    history.reset();
    history = backend->makeHistory(clock);
    const QDate today = QDate::currentDate();
    const QList<Entry> entries = history->entries(today, today, {}, {});
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries.first().student(), Student(text, text, QString()));
    QCOMPARE(entries.first().item(), Item(text, 7));
    // Views take in the row as told, without reading it: it must be the row as stored.
    QCOMPARE(added.count(), 1);
    const Entry told = added.first().first().value<Entry>();
    QCOMPARE(told.student(), entries.first().student());
    QCOMPARE(told.item(), entries.first().item());
    QCOMPARE(told.msecsSinceEpoch(), entries.first().msecsSinceEpoch());
}

void tst_DatabaseHistory::dayBoundaries_data()
{
    QTest::addColumn<QDate>("day");
    QTest::newRow("ordinary day") << QDate(2026, 12, 6);
    QTest::newRow("clocks go forward (23 hours)") << QDate(2026, 3, 29);
    QTest::newRow("clocks go back (25 hours)") << QDate(2026, 10, 25);
    QTest::newRow("leap day") << QDate(2028, 2, 29);
    QTest::newRow("before 1970") << QDate(1969, 12, 31);
}

void tst_DatabaseHistory::dayBoundaries()
{
    QFETCH(QDate, day);
    const QDateTime start = day.startOfDay();
    const QDateTime nextStart = day.addDays(1).startOfDay();
    backend->record(
        { Entry(start.addMSecs(-1), Student(), Item("before", 1)), Entry(start, Student(), Item("first", 1)),
            Entry(nextStart.addMSecs(-1), Student(), Item("last", 1)), Entry(nextStart, Student(), Item("after", 1)) });

    QCOMPARE(itemTexts(history->entries(day, day, {}, {})), QList<QString>({ "first #1", "last #1" }));
    QCOMPARE(itemTexts(history->entries(day.addDays(-1), day.addDays(-1), {}, {})), QList<QString>({ "before #1" }));
    QCOMPARE(history->entries(day.addDays(-1), day.addDays(1), {}, {}).size(), 4);
    const QList<Entry> entries = history->entries(day, day, {}, {});
    QCOMPARE(entries.first().dateTime(), start);
    QCOMPARE(entries.last().time(), QTime(23, 59, 59, 999));
    // Counted from whole days and the parts of days at either end.
    QCOMPARE(history->count({ day, day }), 2);
    QCOMPARE(history->count({ day.addDays(-1), day.addDays(-1) }), 1);
    QCOMPARE(history->count({ day.addDays(-3), day.addDays(3) }), 4);
    QCOMPARE(history->count({ day.addDays(1), day }), 0);
    // Out on its own day only; another copy of the same name is not out.
    QCOMPARE(history->isOut(Item("first", 1), day), true);
    QCOMPARE(history->isOut(Item("last", 1), day), true);
    QCOMPARE(history->isOut(Item("first", 2), day), false);
    QCOMPARE(history->isOut(Item("before", 1), day), false);
    QCOMPARE(history->isOut(Item("after", 1), day), false);
    QCOMPARE(history->isOut(Item("before", 1), day.addDays(-1)), true);
}

namespace {

/// Sign-outs to sort: accents, case, numbers 1, 2 and 10, names shared by two
/// IDs, moments shared by several rows and the hour the clocks go back; each
/// item goes out once a day.
QList<Entry> recordVariedHistory(StoreBackend& backend, qsizetype rows = 150)
{
    const QStringList names { "Zoë", "zoe", "Émile", "Emile", "Ada", "ada", "𝄞 Clef", "Ilse Straße", "Back\\slash" };
    const QStringList ids { "1", "2", "10", "A2" };
    const QStringList items { "Violin", "violin", "Viola", "Flöte" };
    const QDateTime clockChange(QDate(2026, 10, 25), QTime(2, 30));
    QRandomGenerator random(7);
    QList<Entry> entries;
    for (qsizetype row = 0; row < rows; ++row) {
        const QDateTime moment = clockChange.addSecs(qint64(random.bounded(8)) * 1800 - 7200);
        entries.append(
            Entry(moment, Student(names.at(random.bounded(names.size())), ids.at(random.bounded(ids.size())), {}),
                Item(items.at(row % items.size()),
                    QList<int> { 1, 2, 10 }.at(row / items.size() % 3) + int(row / 12) * 10)));
    }
    backend.record(entries);
    return entries;
}

/// Whether the search before this release found \a word in \a text: SQLite's
/// LIKE, ASCII letters in either case, '%' and '_' wildcards.
bool foundBefore(const QString& text, const QString& word)
{
    static const QString name = [] {
        QSqlDatabase::addDatabase("QSQLITE", "like").setDatabaseName(":memory:");
        return QStringLiteral("like");
    }();
    QSqlDatabase database = QSqlDatabase::database(name);
    QSqlQuery query(database);
    query.prepare("SELECT ? LIKE '%' || ? || '%'");
    query.addBindValue(text);
    query.addBindValue(word);
    return query.exec() && query.next() && query.value(0).toBool();
}

QStringList texts(const QList<Entry>& entries)
{
    QStringList texts;
    for (const Entry& entry : entries)
        texts.append(QString::number(entry.msecsSinceEpoch()) + entry.student().toString() + entry.item().toString());
    return texts;
}

} // namespace

void tst_DatabaseHistory::slicesInEveryOrder_data()
{
    QTest::addColumn<HistoryQuery::Order>("order");
    QTest::addColumn<Qt::SortOrder>("direction");
    QTest::addColumn<QString>("moves");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("outside"); // rows recorded a week after the range

    const QList<std::pair<HistoryQuery::Order, const char*>> orders { { HistoryQuery::ByTime, "time" },
        { HistoryQuery::ByStudent, "student" }, { HistoryQuery::ByItem, "item" } };
    for (const auto& [order, name] : orders) {
        for (Qt::SortOrder direction : { Qt::AscendingOrder, Qt::DescendingOrder }) {
            const char* way = direction == Qt::AscendingOrder ? "ascending" : "descending";
            for (const char* moves : { "scrolled down", "scrolled up", "jumps" })
                QTest::addRow("%s %s, %s", name, way, moves) << order << direction << moves << 150 << "" << 0;
            // Searches that find few rows read them at once; many, slice by slice.
            QTest::addRow("%s %s, few found, jumps", name, way) << order << direction << "jumps" << 150 << "o" << 0;
            // A range that holds the whole history jumps to a name through the
            // rows counted per name, which no other range has.
            QTest::addRow("%s %s, not the whole history, jumps by the names' counts", name, way)
                << order << direction << "jumps" << 150 << "" << 3;
        }
        QTest::addRow("%s, many found, scrolled up", name)
            << order << Qt::DescendingOrder << "scrolled up" << 5100 << "%" << 0;
        // A long range is read name by name along the order's index.
        QTest::addRow("%s, long range, jumps", name) << order << Qt::AscendingOrder << "jumps" << 20100 << "" << 0;
    }
    // In time order many matches are read from a window at either end of the
    // range; these rows all lie in its middle day.
    for (Qt::SortOrder direction : { Qt::AscendingOrder, Qt::DescendingOrder })
        QTest::addRow(
            "time %s, many found, scrolled down", direction == Qt::AscendingOrder ? "ascending" : "descending")
            << HistoryQuery::ByTime << direction << "scrolled down" << 5100 << "%" << 0;
}

// Whichever way a view moves through the rows, it sees the one order.
void tst_DatabaseHistory::slicesInEveryOrder()
{
    QFETCH(HistoryQuery::Order, order);
    QFETCH(Qt::SortOrder, direction);
    QFETCH(QString, moves);
    QFETCH(int, rows);
    QFETCH(QString, word);
    QFETCH(int, outside);
    if (rows > 20000 && StoreBackend::isPostgres())
        QSKIP("Only SQLite is told to walk the ranks of a long range");
    const QList<Entry> recorded = recordVariedHistory(*backend, rows);
    QList<Entry> later;
    for (int row = 0; row < outside; ++row)
        later.append(Entry(QDateTime(QDate(2026, 11, 2), QTime(9, row)), Student("Ada", "1", {}), Item("Harp", row)));
    backend->record(later);
    const QStringList words = word.isEmpty() ? QStringList() : QStringList { word };
    // The plain in-memory history sorts as the page shows.
    FakeHistory naive(clock);
    std::copy_if(recorded.cbegin(), recorded.cend(), std::back_inserter(naive.stored),
        [&word](const Entry& e) { return foldForSearch(e.student().toString()).contains(word) || word == "%"; });
    const QList<Entry> expected
        = naive.slice({ QDate(2026, 10, 24), QDate(2026, 10, 26), {}, {}, order, direction }, 0, naive.stored.size());
    const HistoryQuery query { QDate(2026, 10, 24), QDate(2026, 10, 26), words, {}, order, direction };
    QCOMPARE(history->count(query), expected.size());

    // Ten slices of 16 rows, at the start and the end and in between.
    const int last = int(expected.size() - 1) / 16;
    QList<int> slices { 0, 1, 2, 3, 4, last - 4, last - 3, last - 2, last - 1, last };
    if (moves == "scrolled up")
        std::reverse(slices.begin(), slices.end());
    if (moves == "jumps")
        slices = { last / 2, 0, last, last / 3, 1, last - 1, 2 * last / 3, last / 4, 3, last - 2 };
    for (int slice : slices) {
        QCOMPARE(texts(history->slice(query, slice * 16, 16)), texts(expected.mid(slice * 16, 16)));
    }
}

void tst_DatabaseHistory::namesSortAsTheLanguageSorts_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("recorded"); // "name/ID", the ID also the item's number
    QTest::addColumn<QStringList>("sorted");
    QTest::addColumn<QString>("then"); // another language, or a name added
    QTest::addColumn<QStringList>("sortedThen");

    const QStringList names { "Zoe/1", "Ängel/1", "Émile/1", "Øystein/1", "Łukasz/1", "Ada/1", "Lwowski/1", "Emma/1",
        "Nube/1", "Ñandú/1" };
    const QStringList german { "Ada/1", "Ängel/1", "Émile/1", "Emma/1", "Łukasz/1", "Lwowski/1", "Ñandú/1", "Nube/1",
        "Øystein/1", "Zoe/1" };
    const QStringList norwegian { "Ada/1", "Émile/1", "Emma/1", "Łukasz/1", "Lwowski/1", "Ñandú/1", "Nube/1", "Zoe/1",
        "Ängel/1", "Øystein/1" };
    QTest::newRow("German: accents after the letters, not after Z") << "de" << names << german << "" << german;
    QTest::newRow("Norwegian: Ä and Ø after Z") << "nb" << names << norwegian << "" << norwegian;
    const QStringList polish { "Ada/1", "Ängel/1", "Émile/1", "Emma/1", "Lwowski/1", "Łukasz/1", "Ñandú/1", "Nube/1",
        "Øystein/1", "Zoe/1" };
    QTest::newRow("Polish: Ł after L") << "pl" << names << polish << "" << polish;
    const QStringList spanish { "Ada/1", "Ängel/1", "Émile/1", "Emma/1", "Łukasz/1", "Lwowski/1", "Nube/1", "Ñandú/1",
        "Øystein/1", "Zoe/1" };
    QTest::newRow("Spanish: Ñ after N") << "es" << names << spanish << "" << spanish;
    const QStringList french { "ada/1", "Ada/1", "Emile/1", "Émile/1", "Emma/1", "Zoe/1" };
    QTest::newRow("French: case and accents after the letters")
        << "fr" << QStringList { "Zoe/1", "Émile/1", "Emile/1", "Emma/1", "Ada/1", "ada/1" } << french << "" << french;
    // The same name composed and decomposed collates alike: the code points decide, before the ID.
    const QStringList equal { "E\u0301mile/2", "Émile/1", "Zoe/1", "Zoe/2", "Zoe/3" };
    QTest::newRow("equal keys keep the code-point order, then the ID")
        << "de" << QStringList { "Zoe/3", "Émile/1", "Zoe/1", "E\u0301mile/2", "Zoe/2" } << equal << "" << equal;
    QTest::newRow("language changed after the first reading") << "de" << names << german << "nb" << norwegian;
    QStringList added = german;
    added.insert(2, "Åse/4");
    QTest::newRow("name added after the ranks were built") << "de" << names << german << "Åse/4" << added;
}

// Students and items in the order the language in use sorts them, slice by
// slice across names whichever way the view moves, at once after a change.
void tst_DatabaseHistory::namesSortAsTheLanguageSorts()
{
    QFETCH(QString, language);
    QFETCH(QStringList, recorded);
    QFETCH(QStringList, sorted);
    QFETCH(QString, then);
    QFETCH(QStringList, sortedThen);
    const QLocale before;
    const auto restore = qScopeGuard([&before] { QLocale::setDefault(before); });
    QLocale::setDefault(QLocale(language));

    const QDateTime now = QDateTime::currentDateTime();
    QList<Entry> entries;
    for (const QString& name : recorded) {
        const QString id = name.section('/', 1);
        entries.append(Entry(now.addSecs(-60 * entries.size()), Student(name.section('/', 0, 0), id, {}),
            Item(name.section('/', 0, 0), id.toInt())));
    }
    backend->record(entries);
    const auto shownInEveryOrder = [this, &now](QStringList expected) {
        for (HistoryQuery::Order order : { HistoryQuery::ByStudent, HistoryQuery::ByItem }) {
            for (Qt::SortOrder direction : { Qt::AscendingOrder, Qt::DescendingOrder }) {
                const HistoryQuery query { now.date().addDays(-1), now.date().addDays(1), {}, {}, order, direction };
                const auto names = [order](const QList<Entry>& read) {
                    QStringList labels;
                    for (const Entry& e : read)
                        labels.append(order == HistoryQuery::ByStudent
                                ? e.student().name() + '/' + e.student().id()
                                : e.item().name() + '/' + QString::number(e.item().number()));
                    return labels;
                };
                QStringList shouldShow = expected;
                if (direction == Qt::DescendingOrder)
                    std::reverse(shouldShow.begin(), shouldShow.end());
                QCOMPARE(history->count(query), shouldShow.size());
                // A jump first, then from the top down, each slice going on from the one before.
                QCOMPARE(names(history->slice(query, 3, 2)), shouldShow.mid(3, 2));
                QStringList shown;
                for (qsizetype offset = 0; offset < shouldShow.size(); offset += 2)
                    shown += names(history->slice(query, offset, 2));
                QCOMPARE(shown, shouldShow);
            }
        }
    };
    shownInEveryOrder(sorted);
    if (QTest::currentTestFailed())
        return;
    if (then.contains('/'))
        QVERIFY(history->add(Student(then.section('/', 0, 0), then.section('/', 1), {}),
            Item(then.section('/', 0, 0), then.section('/', 1).toInt())));
    else if (!then.isEmpty())
        QLocale::setDefault(QLocale(then));
    shownInEveryOrder(sortedThen);
}

void tst_DatabaseHistory::searchFindsAllTheOldSearchFound_data()
{
    QTest::addColumn<QString>("word");
    for (const char* word : { "a", "é", "zo", "ZOË", "%", "_", "o_e", "(1", "#1", "' OR", "stra_e", "10)", "" })
        QTest::newRow(word) << QString(word);
}

// The search ignores case and accents; a row the old search (ASCII case,
// '%' and '_' as wildcards) found is never lost.
void tst_DatabaseHistory::searchFindsAllTheOldSearchFound()
{
    QFETCH(QString, word);
    const QList<Entry> recorded = recordVariedHistory(*backend);
    const QDate day(2026, 10, 25);
    for (bool student : { true, false }) {
        const QStringList words { word };
        const QStringList found = texts(
            history->entries(day.addDays(-1), day, student ? words : QStringList(), student ? QStringList() : words));
        for (const Entry& e : recorded) {
            const QString text = student ? e.student().toString() : e.item().toString();
            if (foundBefore(text, word))
                QVERIFY2(found.contains(texts({ e }).first()), qPrintable(text + " lost"));
        }
    }
}

void tst_DatabaseHistory::invertedRangeIsEmpty()
{
    history->add(Student("Ada", "1", "pw"), Item("Oboe", 2));
    const QDate today = QDate::currentDate();
    QVERIFY(history->entries(today.addDays(1), today, {}, {}).isEmpty());
}

void tst_DatabaseHistory::filters_data()
{
    QTest::addColumn<QStringList>("studentWords");
    QTest::addColumn<QStringList>("itemWords");
    QTest::addColumn<QList<QString>>("items");

    const QList<QString> all { "Violin #1", "Viola #10", "Drum #19", "Flute #100", "Flute #2", "Harp #3" };
    QTest::newRow("no words") << QStringList() << QStringList() << all;
    QTest::newRow("#1 matches 1, 10-19, 100") << QStringList() << QStringList { "#1" }
                                              << QList<QString> { "Violin #1", "Viola #10", "Drum #19", "Flute #100" };
    QTest::newRow("ID prefix") << QStringList { "(12" } << QStringList() << QList<QString> { "Violin #1" };
    QTest::newRow("ASCII case ignored") << QStringList { "ADA" } << QStringList() << QList<QString> { "Violin #1" };
    QTest::newRow("non-ASCII case ignored")
        << QStringList { "éMILE" } << QStringList() << QList<QString> { "Viola #10" };
    QTest::newRow("accents ignored: emile")
        << QStringList { "emile" } << QStringList() << QList<QString> { "Viola #10" };
    QTest::newRow("accents ignored: zoe, muller")
        << QStringList { "zoe", "muller" } << QStringList() << QList<QString> { "Flute #100" };
    QTest::newRow("accents ignored: ZOË") << QStringList { "ZOË" } << QStringList() << QList<QString> { "Flute #100" };
    QTest::newRow("every student word must match") << QStringList { "Ada", "Bo" } << QStringList() << QList<QString>();
    QTest::newRow("student and item words")
        << QStringList { "12" } << QStringList { "Drum" } << QList<QString> { "Drum #19" };
    QTest::newRow("percent matches all") << QStringList { "%" } << QStringList() << all;
    QTest::newRow("underscore matches all") << QStringList() << QStringList { "_" } << all;
    QTest::newRow("underscore is one character")
        << QStringList() << QStringList { "Viol_n" } << QList<QString> { "Violin #1" };
    QTest::newRow("quotes and comment are literal")
        << QStringList { "' OR 1=1 --" } << QStringList() << QList<QString> { "Flute #2" };
    QTest::newRow("name and ID together") << QStringList { "Bo (3" } << QStringList() << QList<QString> { "Drum #19" };
    QTest::newRow("second word with quotes is literal")
        << QStringList { "Dee'", "1=1 --" } << QStringList() << QList<QString> { "Flute #2" };
    QTest::newRow("backslash is literal") << QStringList { "k\\s" } << QStringList() << QList<QString> { "Harp #3" };
    QTest::newRow("exclamation mark is literal")
        << QStringList { "h!" } << QStringList() << QList<QString> { "Harp #3" };
}

void tst_DatabaseHistory::filters()
{
    QFETCH(QStringList, studentWords);
    QFETCH(QStringList, itemWords);
    QFETCH(QList<QString>, items);

    const QDateTime now = QDateTime::currentDateTime();
    backend->record({ Entry(now, Student("Ada", "123", "x"), Item("Violin", 1)),
        Entry(now, Student("Émile", "456", "x"), Item("Viola", 10)),
        Entry(now, Student("Bo", "3124", "x"), Item("Drum", 19)),
        Entry(now, Student("Zoë Müller", "77", "x"), Item("Flute", 100)),
        Entry(now, Student("Dee' OR 1=1 --", "5", "x"), Item("Flute", 2)),
        Entry(now, Student("Back\\slash!", "6", "x"), Item("Harp", 3)) });

    const QDate today = now.date();
    QCOMPARE(itemTexts(history->entries(today, today, studentWords, itemWords)), items);
}

void tst_DatabaseHistory::insertionOrderWhateverTheFilters()
{
    const QDateTime now = QDateTime::currentDateTime();
    backend->record({ Entry(now, Student("Zed", "9", "x"), Item("Tuba", 3)),
        Entry(now.addSecs(-3600), Student("Amy", "1", "x"), Item("Tuba", 1)),
        Entry(now, Student("Max", "5", "x"), Item("Tuba", 2)) });
    const QDate today = now.date();
    const QList<QString> order { "Tuba #3", "Tuba #1", "Tuba #2" };
    QCOMPARE(itemTexts(history->entries(today.addDays(-1), today, {}, {})), order);
    QCOMPARE(itemTexts(history->entries(today.addDays(-1), today, {}, { "Tuba" })), order);
}

void tst_DatabaseHistory::clearEmptiesAndEmitsOnce()
{
    history->add(Student("Ada", "1", "pw"), Item("Oboe", 2));
    backend->record({ Entry(QDateTime(QDate(2020, 1, 1), QTime(12, 0)), Student(), Item("Old", 1)) });
    QSignalSpy modified(history.get(), &AbstractHistory::modified);
    QVERIFY(history->clear());
    QCOMPARE(modified.count(), 1);
    bool read = false;
    QVERIFY(history->entries(QDate(2000, 1, 1), QDate(2100, 1, 1), {}, {}, &read).isEmpty());
    QVERIFY(read);
}

void tst_DatabaseHistory::failedChangesAreReportedAndStillEmit()
{
    if (StoreBackend::isPostgres())
        QSKIP("About a history file made by other tools");
    // A history table made by other tools, with other columns: nothing fits.
    history.reset();
    QFile::remove(workspace->filePath("history"));
    QVERIFY(runSql("history", { "CREATE TABLE history (a TEXT)" }));
    history = backend->makeHistory(clock);

    QSignalSpy modified(history.get(), &AbstractHistory::modified);
    QVERIFY(!history->add(Student("Ada", "1", "pw"), Item("Oboe", 2)));
    QCOMPARE(modified.count(), 1);
    const QDate today = QDate::currentDate();
    bool read = true;
    QVERIFY(history->entries(today, today, {}, {}, &read).isEmpty());
    QVERIFY(!read); // not an empty day
}

void tst_DatabaseHistory::rowsSurviveARestart()
{
    history->add(Student("Ada", "1", "pw"), Item("Oboe", 2));
    history.reset();
    history = backend->makeHistory(clock);
    const QDate today = QDate::currentDate();
    QCOMPARE(itemTexts(history->entries(today, today, {}, {})), QList<QString>({ "Oboe #2" }));
}

// A backup reads the whole file in one snapshot while the kiosk keeps signing out.
void tst_DatabaseHistory::backupsSnapshotHoldsUpNoSignOut()
{
    if (StoreBackend::isPostgres())
        QSKIP("About history files");
    QVERIFY(history->add(Student("Ada", "1", "pw"), Item("Oboe", 1)));
    {
        QSqlDatabase reader = QSqlDatabase::addDatabase("QSQLITE", "reader");
        reader.setDatabaseName("history");
        reader.setConnectOptions("QSQLITE_OPEN_READONLY");
        QVERIFY(reader.open());
        QVERIFY(reader.transaction());
        QSqlQuery rows(reader);
        QVERIFY(rows.exec("SELECT count(*) FROM history") && rows.next());
        QCOMPARE(rows.value(0).toInt(), 1);
        rows.finish();
        QVERIFY(history->add(Student("Ada", "1", "pw"), Item("Oboe", 2)));
        QVERIFY(rows.exec("SELECT count(*) FROM history") && rows.next());
        QCOMPARE(rows.value(0).toInt(), 1);
        rows.finish();
        QVERIFY(reader.commit());
    }
    QSqlDatabase::removeDatabase("reader");
}

// As the first release left it: no schema version, passwords in the rows and
// in the free space that a deletion left (as SQLite does unless built otherwise).
void tst_DatabaseHistory::fileOfTheFirstReleaseIsUpgraded()
{
    if (StoreBackend::isPostgres())
        QSKIP("About history files");
    const int currentVersion = querySql("history", "PRAGMA user_version").toInt();
    history.reset();
    QFile::remove(workspace->filePath("history"));
    const QDateTime moment = QDateTime::currentDateTime().addDays(-1);
    QVERIFY(runSql("history",
        { "PRAGMA secure_delete = OFF",
            "CREATE TABLE history (dateTime INTEGER, studentName TEXT, studentId TEXT, studentPassword TEXT, "
            "itemName TEXT, itemNumber INTEGER)",
            "CREATE INDEX historyDateTime ON history (dateTime)",
            QString(
                "INSERT INTO history VALUES (%1, 'Ada', '1', 'hunter2', 'Oboe', 2), (%1, 'Bo', '2', NULL, 'Harp', 1), "
                "(%2, 'Cy', '3', 'hunter2', 'Harp', 2)")
                .arg(moment.toMSecsSinceEpoch())
                .arg(moment.addSecs(-60).toMSecsSinceEpoch()),
            // Pages of cleared rows, left free with their contents.
            "INSERT INTO history WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 40) "
            "SELECT 0, 'Dee', '4', 'dropped-secret' || hex(zeroblob(500)), 'Tuba', i FROM n",
            "DELETE FROM history WHERE studentId = '4'" }));
    QVERIFY(workspace->readFile("history").contains("dropped-secret"));

    QStringList notes;
    const auto note = [&notes](const QString& text) { notes.append(text); };
    history = std::make_unique<DatabaseHistory>(clock, note);
    QVERIFY(static_cast<DatabaseHistory*>(history.get())->problem().isEmpty());
    QCOMPARE(querySql("history", "PRAGMA user_version").toInt(), currentVersion);
    const QDate day = moment.date();
    QCOMPARE(itemTexts(history->entries(day, day, {}, {})), QList<QString>({ "Oboe #2", "Harp #1", "Harp #2" }));
    QCOMPARE(querySql("history", "SELECT count(*) FROM history WHERE studentPassword IS NOT NULL").toInt(), 0);
    for (const char* password : { "hunter2", "dropped-secret" })
        QVERIFY2(!workspace->readFile("history").contains(password), password);
    QVERIFY(notes.contains("Clearing old passwords from the history"));
    // The old rows are counted for the usage page too.
    const Usage counted = history->usage({ day, day, {}, {} });
    QCOMPARE(counted.signOutsPerCopy.size(), 3);
    QCOMPARE(counted.students.value("Harp"), 2);
    QVERIFY(history->add(Student("Cy", "3", "pw"), Item("Oboe", 2)));

    // Once per file.
    history.reset();
    notes.clear();
    history = std::make_unique<DatabaseHistory>(clock, note);
    QVERIFY(notes.isEmpty());
}

void tst_DatabaseHistory::rowsWithoutNamesAreShown_data()
{
    QTest::addColumn<HistoryQuery::Order>("order");
    QTest::addColumn<Qt::SortOrder>("direction");
    for (auto [order, name] : { std::pair(HistoryQuery::ByTime, "time"), std::pair(HistoryQuery::ByStudent, "student"),
             std::pair(HistoryQuery::ByItem, "item") }) {
        QTest::addRow("by %s ascending, slices would skip the NULL keys", name) << order << Qt::AscendingOrder;
        QTest::addRow("by %s descending, slices would skip the NULL keys", name) << order << Qt::DescendingOrder;
    }
}

// Older files and other programs leave names and numbers out.
void tst_DatabaseHistory::rowsWithoutNamesAreShown()
{
    if (StoreBackend::isPostgres())
        QSKIP("About history files: the database refuses such rows");
    QFETCH(HistoryQuery::Order, order);
    QFETCH(Qt::SortOrder, direction);
    history.reset();
    QFile::remove(workspace->filePath("history"));
    const QDateTime moment(QDate(2026, 3, 2), QTime(10, 0));
    QVERIFY(runSql("history",
        { "CREATE TABLE history (dateTime INTEGER, studentName TEXT, studentId TEXT, "
          "studentPassword TEXT, itemName TEXT, itemNumber INTEGER)",
            QString("INSERT INTO history VALUES (%1, NULL, '5', NULL, 'Harp', 3), "
                    "(%1 + 1, 'Eve', NULL, NULL, NULL, 1), (%1 + 2, 'Fay', '6', NULL, 'Oboe', NULL), "
                    "(%1 + 3, 'Ada', '1', NULL, 'Cello', 1), (%1 + 4, NULL, NULL, NULL, NULL, NULL)")
                .arg(moment.toMSecsSinceEpoch()) }));
    history = std::make_unique<DatabaseHistory>(clock);

    const HistoryQuery query { moment.date(), moment.date(), {}, {}, order, direction };
    QCOMPARE(history->count(query), 5);
    // Read a row at a time, each slice going on from the keys of the one before.
    QSet<qint64> shown;
    for (int row = 0; row < 5; ++row) {
        const QList<Entry> slice = history->slice(query, row, 1);
        QCOMPARE(slice.size(), 1);
        shown.insert(slice.first().msecsSinceEpoch());
    }
    QCOMPARE(shown.size(), 5);
    QCOMPARE(history->count({ moment.date(), moment.date(), { "eve" }, {}, order, direction }), 1);
}

// As the release before left the history: without counts per day, which
// the next start fills from the rows.
void tst_DatabaseHistory::forgetCountsPerDay()
{
    history.reset();
    if (StoreBackend::isPostgres()) {
        {
            QSqlDatabase database = QSqlDatabase::addDatabase("QPSQL", "forgetting");
            database.setConnectOptions(StoreBackend::connection());
            QVERIFY(database.open());
            for (const char* statement : { "DROP TABLE historyCopyDays, historyItemStudentDays",
                     "DROP FUNCTION historyCountedPerDay() CASCADE", "ALTER TABLE historyStudents DROP COLUMN entries",
                     "UPDATE brindlowSchema SET version = 3" }) // the version before the counts per day
                QVERIFY2(QSqlQuery(database).exec(statement), statement);
        }
        QSqlDatabase::removeDatabase("forgetting");
        backend->reconnect();
    } else {
        QVERIFY(runSql("history",
            { "DROP TRIGGER historyCountedPerDay", "DROP TABLE historyCopyDays", "DROP TABLE historyItemStudentDays",
                "DROP TRIGGER historyCountedPerStudent", "ALTER TABLE historyStudents DROP COLUMN entries",
                "PRAGMA user_version = 5" })); // the version before the counts per day
    }
    history = backend->makeHistory(clock);
}

void tst_DatabaseHistory::usageMatchesANaiveCount_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("studentWord");
    QTest::addColumn<QString>("itemWord");
    QTest::addColumn<int>("preparation");
    const QDate first(2026, 9, 1);
    QTest::newRow("all of it") << first.addDays(-30) << first.addDays(200) << ""
                               << "" << int(AsRecorded);
    QTest::newRow("one day") << first.addDays(10) << first.addDays(10) << ""
                             << "" << int(AsRecorded);
    QTest::newRow("the week of the 25-hour day") << QDate(2026, 10, 22) << QDate(2026, 10, 28) << ""
                                                 << "" << int(AsRecorded);
    QTest::newRow("cut through the middle of the rows") << first.addDays(33) << first.addDays(77) << ""
                                                        << "" << int(AsRecorded);
    QTest::newRow("before every row") << first.addDays(-60) << first.addDays(-1) << ""
                                      << "" << int(AsRecorded);
    QTest::newRow("inverted") << first.addDays(50) << first.addDays(40) << ""
                              << "" << int(AsRecorded);
    QTest::newRow("student word") << first << first.addDays(120) << "nowak"
                                  << "" << int(AsRecorded);
    QTest::newRow("student word, no clock change to write out") << first << first.addDays(30) << "nowak"
                                                                << "" << int(AsRecorded);
    QTest::newRow("item word on whole names") << first.addDays(20) << first.addDays(90) << ""
                                              << "cello" << int(AsRecorded);
    QTest::newRow("item word on some copies") << first << first.addDays(120) << ""
                                              << "#1" << int(AsRecorded);
    QTest::newRow("both words") << first << first.addDays(120) << "ada"
                                << "viol" << int(AsRecorded);
    QTest::newRow("word found nowhere") << first << first.addDays(120) << "zzz"
                                        << "" << int(AsRecorded);
    QTest::newRow("a term after a clear, counts left from before") << first.addDays(33) << first.addDays(77) << ""
                                                                   << "" << int(ClearedFirst);
    QTest::newRow("a term of an upgraded history, counts never filled") << first.addDays(33) << first.addDays(77) << ""
                                                                        << "" << int(Upgraded);
    QTest::newRow("a day of an upgraded history, students counted on days before")
        << first.addDays(60) << first.addDays(60) << ""
        << "" << int(Upgraded);
}

// The sums the database keeps (counts per day and name, per hour) and those
// it counts from rows agree with counting sign-out by sign-out.
void tst_DatabaseHistory::usageMatchesANaiveCount()
{
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QString, studentWord);
    QFETCH(QString, itemWord);
    QFETCH(int, preparation);
    QRandomGenerator random(27);
    const QStringList students { "Ada Nowak", "Bo Smith", "Cy Nowak", "Dee Ørsted" };
    const QStringList names { "Violin", "Viola", "Cello" };
    FakeHistory naive(clock);
    QSet<QString> outThatDay; // each item once a day, as the shared database insists
    // 120 days from September 1 across the clock change, at any hour.
    for (int i = 0; i < 900; ++i) {
        const QDateTime moment(
            QDate(2026, 9, 1).addDays(random.bounded(120)), QTime(random.bounded(24), random.bounded(60)));
        const int student = random.bounded(int(students.size()));
        const Item item(names.at(random.bounded(int(names.size()))), 1 + random.bounded(12));
        if (!outThatDay.contains(item.toString() + moment.date().toString()))
            naive.stored.append(Entry(moment, Student(students.at(student), QString::number(student), {}), item));
        outThatDay.insert(item.toString() + moment.date().toString());
    }
    if (preparation == ClearedFirst) {
        backend->record(naive.stored);
        QVERIFY(history->clear());
    }
    backend->record(naive.stored);
    if (preparation == Upgraded)
        forgetCountsPerDay();
    UsageQuery query { from, to, studentWord.isEmpty() ? QStringList() : QStringList { studentWord },
        itemWord.isEmpty() ? QStringList() : QStringList { itemWord } };
    // All parts at once, as printing reads them, and each alone, as a tab does.
    for (const int parts : { int(UsageQuery::AllParts), int(UsageQuery::PerInstrument), int(UsageQuery::PerWeek),
             int(UsageQuery::PerHour), int(UsageQuery::LastSignOuts), int(UsageQuery::Students) }) {
        query.parts = parts;
        const QStringList differences = usageDifferences(history->usage(query), naive.usage(query));
        QVERIFY2(differences.isEmpty(), qPrintable(differences.join(", ")));
    }
}

QTEST_GUILESS_MAIN(tst_DatabaseHistory)
#include "tst_DatabaseHistory.moc"
