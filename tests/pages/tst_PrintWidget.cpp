#include "pages/PrintWidget.h"

#include "support/DialogAnswerer.h"
#include "support/FakeClock.h"
#include "support/FakeHistory.h"
#include "support/TestWorkspace.h"
#include "support/namedChild.h"
#include "support/runTool.h"

#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTextTable>

#include <memory>

static const QDate sunday(2026, 12, 6);
static const QString header = "<tr><th>Time</th><th>Student</th><th>Item</th></tr>";

class tst_PrintWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void summaryOfTheDay_data();
    void summaryOfTheDay();
    void escapesTypedTexts_data();
    void escapesTypedTexts();
    void previewFollowsTheCalendarDay();
    void hiddenPreviewCatchesUpWhenShown_data();
    void hiddenPreviewCatchesUpWhenShown();
    void printsTheDayItIsMadeOn_data();
    void printsTheDayItIsMadeOn();

private:
    void createPage();
    QTextBrowser* previewText() const { return namedChild<QTextBrowser>(page.get(), "previewText"); }

    std::unique_ptr<TestWorkspace> workspace;
    FakeClock clock;
    std::unique_ptr<FakeHistory> history;
    std::unique_ptr<PrintWidget> page;
};

static Entry entryAt(const QDate& day, const QTime& time, const QString& studentName, const QString& itemName)
{
    return Entry(QDateTime(day, time), Student(studentName, "1", "pw"), Item(itemName, 1));
}

static QString plainText(const QString& html)
{
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText();
}

static QTextTable* firstTable(QTextDocument* document)
{
    for (QTextFrame* frame : document->rootFrame()->childFrames())
        if (auto* table = qobject_cast<QTextTable*>(frame))
            return table;
    return nullptr;
}

void tst_PrintWidget::init()
{
    workspace = std::make_unique<TestWorkspace>();
    history = std::make_unique<FakeHistory>(clock);
    clock.set(QDateTime(sunday, QTime(15, 0)));
}

void tst_PrintWidget::cleanup()
{
    page.reset();
    history.reset();
    workspace.reset();
}

void tst_PrintWidget::createPage()
{
    page = std::make_unique<PrintWidget>(history.get(), clock);
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.get()));
}

void tst_PrintWidget::summaryOfTheDay_data()
{
    QTest::addColumn<QList<Entry>>("entries");
    QTest::addColumn<QString>("rows");

    QTest::newRow("no entries") << QList<Entry>() << QString();
    // In the order recorded, whatever the times, students and items.
    QTest::newRow("two entries") << QList<Entry>({
        entryAt(sunday.addDays(-1), QTime(9, 0), "Yesterday", "Harp"),
        entryAt(sunday, QTime(12, 0), "Zoe", "Tuba"),
        entryAt(sunday, QTime(0, 30), "Ada", "Flute"),
    })
                                 << "<tr><td>12:00:00 pm</td><td>Zoe (1)</td><td>Tuba #1</td></tr>"
                                    "<tr><td>12:30:00 am</td><td>Ada (1)</td><td>Flute #1</td></tr>";
    QTest::newRow("afternoon") << QList<Entry>({ entryAt(sunday, QTime(13, 5, 9), "Ada", "Flute") })
                               << "<tr><td>01:05:09 pm</td><td>Ada (1)</td><td>Flute #1</td></tr>";
}

void tst_PrintWidget::summaryOfTheDay()
{
    QFETCH(QList<Entry>, entries);
    QFETCH(QString, rows);
    createPage();

    // Each sign-out reaches the preview without any action on the page.
    for (const Entry& entry : entries)
        history->record(entry);

    const QString expected = "<html><h1>Summary for Sun Dec 6 2026</h1><hr>"
                             "<table border=1 cellspacing=0 cellpadding=3 width=100%>"
        + header + rows + "</table></html>";
    QCOMPARE(page->summaryHtml(sunday), expected);
    QCOMPARE(previewText()->toPlainText(), plainText(expected));
}

void tst_PrintWidget::escapesTypedTexts_data()
{
    QTest::addColumn<QString>("studentName");
    QTest::addColumn<QString>("itemName");
    QTest::addColumn<QString>("row");

    QTest::newRow("bold tag") << "<b>Bold"
                              << "Oboe"
                              << "<tr><td>10:00:00 am</td><td>&lt;b&gt;Bold (1)</td><td>Oboe #1</td></tr>";
    QTest::newRow("closing the table") << "</td></tr></table><h1>X"
                                       << "Oboe"
                                       << "<tr><td>10:00:00 am</td><td>&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h1&gt;X "
                                          "(1)</td><td>Oboe #1</td></tr>";
    QTest::newRow("ampersand") << "Ada"
                               << "Drum & Bass"
                               << "<tr><td>10:00:00 am</td><td>Ada (1)</td><td>Drum &amp; Bass #1</td></tr>";
    QTest::newRow("placeholder") << "%3 %2"
                                 << "Oboe"
                                 << "<tr><td>10:00:00 am</td><td>%3 %2 (1)</td><td>Oboe #1</td></tr>";
}

void tst_PrintWidget::escapesTypedTexts()
{
    QFETCH(QString, studentName);
    QFETCH(QString, itemName);
    QFETCH(QString, row);
    createPage();
    const Entry entry = entryAt(sunday, QTime(10, 0), studentName, itemName);

    QCOMPARE(page->rowHtml(entry), row);

    history->record(entry);
    QTextTable* table = firstTable(previewText()->document());
    QVERIFY(table);
    QCOMPARE(table->rows(), 2);
    QCOMPARE(table->columns(), 3);
    QCOMPARE(table->cellAt(1, 1).firstCursorPosition().block().text(), entry.student().toString());
    QCOMPARE(table->cellAt(1, 2).firstCursorPosition().block().text(), entry.item().toString());
    // Nothing typed turns bold what follows it.
    QCOMPARE(table->cellAt(1, 2).firstCursorPosition().charFormat().fontWeight(), int(QFont::Normal));
}

void tst_PrintWidget::previewFollowsTheCalendarDay()
{
    history->record(entryAt(sunday, QTime(10, 0), "Ada", "Flute"));
    clock.set(QDateTime(sunday, QTime(23, 59, 59, 950)));
    createPage();
    QVERIFY(previewText()->toPlainText().contains("Summary for Sun Dec 6 2026"));
    QVERIFY(previewText()->toPlainText().contains("Ada (1)"));

    // Midnight passes with no sign-out.
    clock.set(QDateTime(sunday.addDays(1), QTime(0, 0, 0, 10)));

    QVERIFY(previewText()->toPlainText().contains("Summary for Mon Dec 7 2026"));
    QVERIFY(!previewText()->toPlainText().contains("Ada (1)"));
}

void tst_PrintWidget::hiddenPreviewCatchesUpWhenShown_data()
{
    QTest::addColumn<int>("daysLater");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("rowShown");
    QTest::newRow("sign-out while hidden") << 0 << "Summary for Sun Dec 6 2026" << true;
    QTest::newRow("midnight while hidden") << 1 << "Summary for Mon Dec 7 2026" << false;
}

void tst_PrintWidget::hiddenPreviewCatchesUpWhenShown()
{
    QFETCH(int, daysLater);
    QFETCH(QString, title);
    QFETCH(bool, rowShown);
    createPage();
    page->hide();
    history->record(entryAt(sunday, QTime(10, 0), "Ada", "Flute"));
    clock.set(clock.now().addDays(daysLater));

    page->show();
    QVERIFY(previewText()->toPlainText().contains(title));
    QCOMPARE(previewText()->toPlainText().contains("Ada (1)"), rowShown);
}

void tst_PrintWidget::printsTheDayItIsMadeOn_data()
{
    QTest::addColumn<int>("daysLater");
    QTest::addColumn<QStringList>("printed");
    QTest::addColumn<QStringList>("notPrinted");

    QTest::newRow("same day") << 0
                              << QStringList({ "Summary for Sun Dec 6 2026", "12:00:00 pm", "Zoe (1)", "Tuba #1",
                                     "12:30:00 am", "Ada (1)", "Flute #1" })
                              << QStringList();
    // The computer slept through midnight, so the preview is still of Sunday.
    QTest::newRow("next morning") << 1 << QStringList({ "Summary for Mon Dec 7 2026", "Time" })
                                  << QStringList({ "Sun Dec 6", "Zoe (1)", "Ada (1)" });
}

void tst_PrintWidget::printsTheDayItIsMadeOn()
{
    QFETCH(int, daysLater);
    QFETCH(QStringList, printed);
    QFETCH(QStringList, notPrinted);
    history->record(entryAt(sunday, QTime(12, 0), "Zoe", "Tuba"));
    history->record(entryAt(sunday, QTime(0, 30), "Ada", "Flute"));
    createPage();
    // Midnight passed unheard while the computer slept.
    const QSignalBlocker sleptThroughMidnight(&clock);
    clock.set(clock.now().addDays(daysLater));
    const QString pdf = workspace->filePath("summary.pdf");

    DialogAnswerer answerer;
    answerer.printToPdf(pdf);
    namedChild<QPushButton>(page.get(), "printButton")->click();
    QCOMPARE(answerer.pending(), 0);

    const QString text = runTool("pdftotext", { "-layout", pdf, "-" });
    for (const QString& expected : printed)
        QVERIFY2(text.contains(expected), qPrintable(expected + " missing from:\n" + text));
    for (const QString& unexpected : notPrinted)
        QVERIFY2(!text.contains(unexpected), qPrintable(unexpected + " printed in:\n" + text));
    if (daysLater == 0)
        QVERIFY(text.indexOf("Zoe (1)") < text.indexOf("Ada (1)"));
}

QTEST_MAIN(tst_PrintWidget)
#include "tst_PrintWidget.moc"
