#include "pages/HistoryWidget.h"
#include "stores/DatabaseHistory.h"
#include "support/FakeClock.h"
#include "support/FakeHistory.h"
#include "support/ItemViews.h"
#include "support/TestWorkspace.h"
#include "support/namedChild.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include <memory>

using namespace Qt::StringLiterals;

// Queried ranges as (from, to) in days from today.
using DayRanges = QList<QPair<int, int>>;

class tst_HistoryWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensOnTodayNewestFirst();
    void wordsSplitAtSpaces_data();
    void wordsSplitAtSpaces();
    void datesStayInOrder_data();
    void datesStayInOrder();
    void typedDayCouplesOnlyWhenFinished();
    void unreadableTypedDateKeepsTheRange_data();
    void unreadableTypedDateKeepsTheRange();
    void reset_data();
    void reset();
    void openingRangeFollowsTheCalendar_data();
    void openingRangeFollowsTheCalendar();
    void newSignOutShowsWhenItMatches_data();
    void newSignOutShowsWhenItMatches();
    void dateFormat();
    void sortsFromTheKeyboard_data();
    void sortsFromTheKeyboard();

private:
    template <typename T> T* child(const char* name) { return namedChild<T>(page.get(), name); }
    QStringList column(int column);

    FakeClock clock;
    std::unique_ptr<FakeHistory> history;
    std::unique_ptr<HistoryWidget> page;
    QDate today;
};

void tst_HistoryWidget::init()
{
    today = clock.today();
    history = std::make_unique<FakeHistory>(clock);
    const Student ada("Ada Lovelace", "1815", "secret");
    history->stored = { Entry(QDateTime(today, QTime(9, 0)), ada, Item("Flute", 1)),
        Entry(QDateTime(today, QTime(11, 0)), ada, Item("Flute", 2)),
        Entry(QDateTime(today.addDays(-1), QTime(12, 0)), ada, Item("Cello", 1)),
        Entry(QDateTime(today, QTime(10, 0)), ada, Item("Violin", 1)) };
    page = std::make_unique<HistoryWidget>(history.get(), clock);
    // The model reads when a view asks; this one asks after every change, as
    // a view on screen would, so each refresh shows as one query.
    QAbstractItemModel* model = child<QTreeView>("entryView")->model();
    connect(model, &QAbstractItemModel::modelReset, model, [model] { model->rowCount(); });
    history->queries.clear();
}

void tst_HistoryWidget::cleanup()
{
    page.reset();
    history.reset();
}

QStringList tst_HistoryWidget::column(int column)
{
    return columnTexts(child<QTreeView>("entryView")->model(), column);
}

void tst_HistoryWidget::opensOnTodayNewestFirst()
{
    QCOMPARE(child<QDateEdit>("fromDate")->date(), today);
    QCOMPARE(child<QDateEdit>("toDate")->date(), today);
    QCOMPARE(column(2), QStringList({ "Flute #2", "Violin #1", "Flute #1" }));
}

void tst_HistoryWidget::wordsSplitAtSpaces_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("words");

    for (const char* box : { "studentBox", "itemBox" }) {
        const QByteArray in = QByteArray(" in ") + box;
        QTest::newRow("one word" + in) << box << u"Ada"_s << QStringList { u"Ada"_s };
        QTest::newRow("two spaces between" + in) << box << u"ab  cd"_s << QStringList { u"ab"_s, u"cd"_s };
        QTest::newRow("single space" + in) << box << u" "_s << QStringList();
        QTest::newRow("spaces around" + in) << box << u"  ab cd "_s << QStringList { u"ab"_s, u"cd"_s };
        QTest::newRow("tab is no separator" + in) << box << u"ab\tcd"_s << QStringList { u"ab\tcd"_s };
    }
}

void tst_HistoryWidget::wordsSplitAtSpaces()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QStringList, words);

    child<QLineEdit>(qPrintable(box))->setText(text);

    const bool student = box == "studentBox";
    const QString expected
        = FakeHistory::queryText(today, today, student ? words : QStringList(), student ? QStringList() : words);
    QCOMPARE(history->queryTexts(), QStringList { expected });
}

void tst_HistoryWidget::datesStayInOrder_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("fromDays");
    QTest::addColumn<int>("toDays");
    QTest::addColumn<DayRanges>("queries");

    // The first query holds the inverted range; the coupled date's change refreshes with the final one.
    QTest::newRow("from after to") << u"fromDate"_s << 2 << 2 << 2 << DayRanges { { 2, 0 }, { 2, 2 } };
    QTest::newRow("to before from") << u"toDate"_s << -3 << -3 << -3 << DayRanges { { 0, -3 }, { -3, -3 } };
    QTest::newRow("from earlier") << u"fromDate"_s << -1 << -1 << 0 << DayRanges { { -1, 0 } };
    QTest::newRow("to later") << u"toDate"_s << 1 << 0 << 1 << DayRanges { { 0, 1 } };
}

void tst_HistoryWidget::datesStayInOrder()
{
    QFETCH(QString, edit);
    QFETCH(int, days);
    QFETCH(int, fromDays);
    QFETCH(int, toDays);
    QFETCH(DayRanges, queries);

    child<QDateEdit>(qPrintable(edit))->setDate(today.addDays(days));

    QCOMPARE(child<QDateEdit>("fromDate")->date(), today.addDays(fromDays));
    QCOMPARE(child<QDateEdit>("toDate")->date(), today.addDays(toDays));
    QStringList expected;
    for (const auto& [from, to] : queries)
        expected.append(FakeHistory::queryText(today.addDays(from), today.addDays(to)));
    QCOMPARE(history->queryTexts(), expected);
}

// Typing the day 19 passes through 1, which must not pull From back to the 1st.
void tst_HistoryWidget::typedDayCouplesOnlyWhenFinished()
{
    const QDate fifth(2026, 12, 5);
    auto* toDate = child<QDateEdit>("toDate");
    toDate->setDate(fifth);
    child<QDateEdit>("fromDate")->setDate(fifth);
    history->queries.clear();

    toDate->setFocus();
    toDate->setSelectedSection(QDateTimeEdit::DaySection);
    QTest::keyClicks(toDate, "19");
    QTest::keyClick(toDate, Qt::Key_Enter);

    QCOMPARE(child<QDateEdit>("fromDate")->date(), fifth);
    QCOMPARE(toDate->date(), QDate(2026, 12, 19));
    QCOMPARE(history->queryTexts(), QStringList { FakeHistory::queryText(fifth, QDate(2026, 12, 19)) });
}

// The whole date typed over the field, as people do, reads as year 1202.
void tst_HistoryWidget::unreadableTypedDateKeepsTheRange_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("finish"); // the key that ends the typing
    QTest::addColumn<bool>("kept");

    QTest::newRow("whole date and Tab became 14 September 1752") << u"Dec. 1, 2025"_s << int(Qt::Key_Tab) << true;
    QTest::newRow("whole date and Return") << u"Dec. 1, 2025"_s << int(Qt::Key_Return) << true;
    QTest::newRow("readable year is taken") << u"2024"_s << int(Qt::Key_Tab) << false;
}

void tst_HistoryWidget::unreadableTypedDateKeepsTheRange()
{
    QFETCH(QString, typed);
    QFETCH(int, finish);
    QFETCH(bool, kept);
    const QDate before(2025, 11, 20);
    auto* fromDate = child<QDateEdit>("fromDate");
    fromDate->setDate(before);
    page->show();
    page->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(page.get()));
    fromDate->setFocus();
    fromDate->setSelectedSection(QDateTimeEdit::YearSection);
    history->queries.clear();

    QTest::keyClicks(fromDate, typed);
    QTest::keyClick(fromDate, Qt::Key(finish));

    QCOMPARE(fromDate->date(), kept ? before : QDate(2024, 11, 20));
    QCOMPARE(history->queries.isEmpty(), kept);
    QCOMPARE(child<QLabel>("dateNoteLabel")->isVisible(), kept);
    if (kept)
        QCOMPARE(child<QLabel>("dateNoteLabel")->text(),
            u"\"Nov. 20, 1202\" could not be read as a date; the range keeps Nov. 20, 2025."_s);
}

void tst_HistoryWidget::reset_data()
{
    QTest::addColumn<int>("fromDays");
    QTest::addColumn<int>("toDays");
    QTest::addColumn<QString>("student");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("queries");

    const QDate t = clock.today();
    QTest::newRow("already today") << 0 << 0 << u""_s << u""_s << QStringList();
    QTest::newRow("filtered") << -3 << -1 << u"ada"_s << u"flute"_s
                              << QStringList { FakeHistory::queryText(t.addDays(-3), t, { u"ada"_s }, { u"flute"_s }),
                                     FakeHistory::queryText(t, t, { u"ada"_s }, { u"flute"_s }),
                                     FakeHistory::queryText(t, t, {}, { u"flute"_s }), FakeHistory::queryText(t, t) };
    QTest::newRow("range in the future") << 2 << 4 << u""_s << u""_s
                                         << QStringList { FakeHistory::queryText(t.addDays(2), t),
                                                FakeHistory::queryText(t, t) };
}

void tst_HistoryWidget::reset()
{
    QFETCH(int, fromDays);
    QFETCH(int, toDays);
    QFETCH(QString, student);
    QFETCH(QString, item);
    QFETCH(QStringList, queries);

    child<QDateEdit>("toDate")->setDate(today.addDays(toDays));
    child<QDateEdit>("fromDate")->setDate(today.addDays(fromDays));
    child<QLineEdit>("studentBox")->setText(student);
    child<QLineEdit>("itemBox")->setText(item);
    history->queries.clear();

    QTest::mouseClick(child<QPushButton>("resetButton"), Qt::LeftButton);

    QCOMPARE(history->queryTexts(), queries);
    QCOMPARE(child<QDateEdit>("fromDate")->date(), today);
    QCOMPARE(child<QDateEdit>("toDate")->date(), today);
    QCOMPARE(child<QLineEdit>("studentBox")->text(), QString());
    QCOMPARE(child<QLineEdit>("itemBox")->text(), QString());
    QCOMPARE(column(2), QStringList({ "Flute #2", "Violin #1", "Flute #1" }));
}

void tst_HistoryWidget::openingRangeFollowsTheCalendar_data()
{
    QTest::addColumn<int>("fromDays");
    QTest::addColumn<QString>("student");
    QTest::addColumn<bool>("follows");

    QTest::newRow("today, no words: moves to the new day") << 0 << u""_s << true;
    QTest::newRow("a range somebody chose stays") << -3 << u""_s << false;
    QTest::newRow("words somebody typed stay") << 0 << u"Ada"_s << false;
}

void tst_HistoryWidget::openingRangeFollowsTheCalendar()
{
    QFETCH(int, fromDays);
    QFETCH(QString, student);
    QFETCH(bool, follows);
    child<QDateEdit>("fromDate")->setDate(today.addDays(fromDays));
    child<QLineEdit>("studentBox")->setText(student);

    clock.set(QDateTime(today.addDays(1), QTime(0, 0)));

    const QDate from = follows ? today.addDays(1) : today.addDays(fromDays);
    const QDate to = follows ? today.addDays(1) : today;
    QCOMPARE(child<QDateEdit>("fromDate")->date(), from);
    QCOMPARE(child<QDateEdit>("toDate")->date(), to);
    QCOMPARE(history->queries.last().from, from);
    QCOMPARE(history->queries.last().to, to);
}

void tst_HistoryWidget::newSignOutShowsWhenItMatches_data()
{
    QTest::addColumn<QString>("student");
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("rows");

    QTest::newRow("no words") << u""_s << u""_s << 1;
    QTest::newRow("matching words in any order") << u"1815 ada"_s << u"#2  flu"_s << 1;
    QTest::newRow("student word missing") << u"ada grace"_s << u""_s << 0;
    QTest::newRow("item word missing") << u""_s << u"violin"_s << 0;
}

void tst_HistoryWidget::newSignOutShowsWhenItMatches()
{
    QFETCH(QString, student);
    QFETCH(QString, item);
    QFETCH(int, rows);

    page.reset();
    TestWorkspace workspace;
    DatabaseHistory realHistory(clock);
    HistoryWidget realPage(&realHistory, clock);
    namedChild<QLineEdit>(&realPage, "studentBox")->setText(student);
    namedChild<QLineEdit>(&realPage, "itemBox")->setText(item);
    const QAbstractItemModel* model = namedChild<QTreeView>(&realPage, "entryView")->model();
    QCOMPARE(model->rowCount(), 0);

    realHistory.add(Student("Ada Lovelace", "1815", "secret"), Item("Flute", 2));

    QCOMPARE(model->rowCount(), rows);
}

void tst_HistoryWidget::dateFormat()
{
    for (const char* name : { "fromDate", "toDate" }) {
        auto* edit = child<QDateEdit>(name);
        edit->setDate(QDate(2024, 3, 5));
        QCOMPARE(edit->text(), QStringLiteral("Mar. 5, 2024"));
        edit->setDate(QDate(2024, 11, 23));
        QCOMPARE(edit->text(), QStringLiteral("Nov. 23, 2024"));
        QVERIFY(edit->calendarPopup());
    }
}

void tst_HistoryWidget::sortsFromTheKeyboard_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QStringList>("items");

    QTest::newRow("another column not sorted by")
        << u"Sort by Item"_s << QStringList({ "Flute #1", "Flute #2", "Violin #1" });
    QTest::newRow("the column sorted by not reversed")
        << u"Sort by Date"_s << QStringList({ "Flute #1", "Violin #1", "Flute #2" });
}

void tst_HistoryWidget::sortsFromTheKeyboard()
{
    QFETCH(QString, choice);
    QFETCH(QStringList, items);

    auto* view = child<QTreeView>("entryView");
    view->setFocus();
    // What the menu key sends to the focused view.
    const QPoint middle = view->viewport()->rect().center();
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, middle, view->viewport()->mapToGlobal(middle));
    QApplication::sendEvent(view->viewport(), &menuKey);
    auto* menu = view->findChild<QMenu*>();
    QVERIFY(menu);
    QStringList offered;
    QAction* chosen = nullptr;
    for (QAction* action : menu->actions()) {
        offered.append(action->text());
        if (action->text() == choice)
            chosen = action;
    }
    QCOMPARE(offered, QStringList({ "Sort by Date", "Sort by Student", "Sort by Item" }));
    QVERIFY(chosen);
    chosen->trigger();

    QCOMPARE(column(2), items);
}

QTEST_MAIN(tst_HistoryWidget)
#include "tst_HistoryWidget.moc"
