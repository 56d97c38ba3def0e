#include "pages/InventoryWidget.h"
#include "pages/LabelSheet.h"
#include "stores/itemCode.h"

#include "support/DialogAnswerer.h"
#include "support/FakeInventory.h"
#include "support/ItemViews.h"
#include "support/TestWorkspace.h"
#include "support/namedChild.h"
#include "support/runTool.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTreeView>

#include <algorithm>
#include <memory>

// Answers a delete question with Return, as a hurried hand does.
static void pressReturn(QWidget* dialog)
{
    QTest::keyClick(dialog, Qt::Key_Return);
}

class tst_InventoryWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void addsARunInOneCall_data();
    void addsARunInOneCall();
    void blankNamesAreRefused_data();
    void blankNamesAreRefused();
    void rangeNeverStaysInverted_data();
    void rangeNeverStaysInverted();
    void typedNumberCouplesOnlyWhenFinished();
    void removesSelectionOnlyAfterYes_data();
    void removesSelectionOnlyAfterYes();
    void asksNothingWithoutSelection();
    void deleteKeyActsAsRemoveButton();
    void reportsChangesNotStored_data();
    void reportsChangesNotStored();
    void buttonsShowTheirIcons();
    void printsOneLabelPerCopy_data();
    void printsOneLabelPerCopy();

private:
    void showPage();
    QTreeView* itemView() const { return namedChild<QTreeView>(page.get(), "itemView"); }
    QPushButton* button(const char* name) const { return namedChild<QPushButton>(page.get(), name); }
    void selectRows(const QList<int>& rows);

    std::unique_ptr<TestWorkspace> workspace;
    std::unique_ptr<FakeInventory> inventory;
    std::unique_ptr<InventoryWidget> page;
};

static QList<Item> run(const QString& name, int from, int to)
{
    QList<Item> items;
    for (int number = from; number <= to; ++number)
        items.append(Item(name, number));
    return items;
}

static QStringList texts(const QList<Item>& items)
{
    QStringList list;
    for (const Item& item : items)
        list.append(item.toString());
    return list;
}

void tst_InventoryWidget::init()
{
    workspace = std::make_unique<TestWorkspace>();
    inventory = std::make_unique<FakeInventory>();
}

void tst_InventoryWidget::cleanup()
{
    page.reset();
    inventory.reset();
    workspace.reset();
}

void tst_InventoryWidget::showPage()
{
    page = std::make_unique<InventoryWidget>(inventory.get());
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.get()));
}

void tst_InventoryWidget::selectRows(const QList<int>& rows)
{
    for (int row : rows)
        clickCell(itemView(), row, 0, Qt::ControlModifier);
    QCOMPARE(itemView()->selectionModel()->selectedRows().size(), rows.size());
}

void tst_InventoryWidget::addsARunInOneCall_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("byReturn"); // in the name box, rather than the + button

    QTest::newRow("five trumpets") << "Trumpet" << 1 << 5 << "Trumpet" << false;
    QTest::newRow("a single number") << "Oboe" << 7 << 7 << "Oboe" << false;
    QTest::newRow("the largest run") << "Violin" << 1 << 99 << "Violin" << false;
    QTest::newRow("spaces around a name would make another instrument") << " Tuba " << 3 << 4 << "Tuba" << false;
    QTest::newRow("Return in the name box did nothing") << "Cello" << 1 << 2 << "Cello" << true;
}

void tst_InventoryWidget::addsARunInOneCall()
{
    QFETCH(QString, typed);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, name);
    QFETCH(bool, byReturn);
    showPage();

    QTest::keyClicks(namedChild<QLineEdit>(page.get(), "itemBox"), typed);
    namedChild<QSpinBox>(page.get(), "toBox")->setValue(to);
    namedChild<QSpinBox>(page.get(), "fromBox")->setValue(from);
    if (byReturn)
        QTest::keyClick(namedChild<QLineEdit>(page.get(), "itemBox"), Qt::Key_Return);
    else
        button("addButton")->click();

    const QList<Item> expected = run(name, from, to);
    QCOMPARE(inventory->addCalls, QList<QList<Item>>({ expected }));
    // The view starts sorted by its header's initial indicator, descending.
    QStringList shown = texts(expected);
    std::reverse(shown.begin(), shown.end());
    QCOMPARE(columnTexts(itemView()->model()), shown);
    // Ready for the next run with the same name.
    QCOMPARE(namedChild<QLineEdit>(page.get(), "itemBox")->text(), typed);
    QCOMPARE(namedChild<QSpinBox>(page.get(), "fromBox")->value(), from);
    QCOMPARE(namedChild<QSpinBox>(page.get(), "toBox")->value(), to);
}

void tst_InventoryWidget::blankNamesAreRefused_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("nothing typed") << "";
    QTest::newRow("spaces only") << "   ";
}

void tst_InventoryWidget::blankNamesAreRefused()
{
    QFETCH(QString, typed);
    showPage();
    QTest::keyClicks(namedChild<QLineEdit>(page.get(), "itemBox"), typed);

    DialogAnswerer answerer;
    answerer.answerMessage();
    button("addButton")->click();

    QCOMPARE(answerer.shownTexts(), QStringList { "Please type the name of the instrument." });
    QVERIFY(inventory->addCalls.isEmpty());
}

// Typing 12 passes through 1, which must not pull From down to 1.
void tst_InventoryWidget::typedNumberCouplesOnlyWhenFinished()
{
    showPage();
    QTest::keyClicks(namedChild<QLineEdit>(page.get(), "itemBox"), "Violin");
    auto* toBox = namedChild<QSpinBox>(page.get(), "toBox");
    toBox->setValue(5);
    namedChild<QSpinBox>(page.get(), "fromBox")->setValue(5);

    toBox->setFocus();
    toBox->selectAll();
    QTest::keyClicks(toBox, "12");
    QTest::mouseClick(button("addButton"), Qt::LeftButton);

    QCOMPARE(inventory->addCalls, QList<QList<Item>>({ run("Violin", 5, 12) }));
}

void tst_InventoryWidget::rangeNeverStaysInverted_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("changed");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("expectedFrom");
    QTest::addColumn<int>("expectedTo");

    QTest::newRow("from past to raises to") << 1 << 5 << "fromBox" << 12 << 12 << 12;
    QTest::newRow("to below from lowers from") << 12 << 12 << "toBox" << 3 << 3 << 3;
    QTest::newRow("from within the range") << 1 << 5 << "fromBox" << 3 << 3 << 5;
    QTest::newRow("to within the range") << 3 << 9 << "toBox" << 4 << 3 << 4;
}

void tst_InventoryWidget::rangeNeverStaysInverted()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, changed);
    QFETCH(int, value);
    QFETCH(int, expectedFrom);
    QFETCH(int, expectedTo);
    showPage();
    auto* fromBox = namedChild<QSpinBox>(page.get(), "fromBox");
    auto* toBox = namedChild<QSpinBox>(page.get(), "toBox");
    toBox->setValue(to);
    fromBox->setValue(from);

    namedChild<QSpinBox>(page.get(), changed)->setValue(value);

    QCOMPARE(fromBox->value(), expectedFrom);
    QCOMPARE(toBox->value(), expectedTo);
}

// Rows as listed: Drum #14 down to Drum #1. A null answer presses Return.
void tst_InventoryWidget::removesSelectionOnlyAfterYes_data()
{
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QList<Item>>("removed");

    const QString two = "Are you sure you want to delete these 2 copies: Drum #12, Drum #10?";
    QTest::newRow("yes") << QList<int> { 2, 4 } << QMessageBox::Yes << two
                         << QList<Item>({ Item("Drum", 12), Item("Drum", 10) });
    QTest::newRow("no") << QList<int> { 2, 4 } << QMessageBox::No << two << QList<Item>();
    QTest::newRow("Return deleted them: No is the default")
        << QList<int> { 2, 4 } << QMessageBox::NoButton << two << QList<Item>();
    QTest::newRow("one copy named") << QList<int> { 13 } << QMessageBox::Yes
                                    << "Are you sure you want to delete Drum #1?" << QList<Item>({ Item("Drum", 1) });
    QTest::newRow("ten named, the rest counted")
        << QList<int> { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11 } << QMessageBox::Yes
        << "Are you sure you want to delete these 12 copies: Drum #14, Drum #13, Drum #12, Drum #11, Drum #10, "
           "Drum #9, Drum #8, Drum #7, Drum #6, Drum #5 and 2 more?"
        << run("Drum", 3, 14);
}

void tst_InventoryWidget::removesSelectionOnlyAfterYes()
{
    QFETCH(QList<int>, rows);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(QString, question);
    QFETCH(QList<Item>, removed);
    inventory->held = run("Drum", 1, 14);
    showPage();
    selectRows(rows);

    DialogAnswerer answerer;
    if (answer == QMessageBox::NoButton)
        answerer.answerWith(pressReturn);
    else
        answerer.answerMessage(answer);
    button("removeButton")->click();

    QCOMPARE(answerer.shownTexts(), QStringList({ question }));
    QCOMPARE(answerer.shown().first().title, QString("Brindlow"));
    if (removed.isEmpty()) {
        QVERIFY(inventory->removeCalls.isEmpty());
        QCOMPARE(itemView()->model()->rowCount(), 14);
        return;
    }
    QCOMPARE(inventory->removeCalls.size(), 1);
    QList<Item> asked = inventory->removeCalls.first();
    std::sort(asked.begin(), asked.end());
    std::sort(removed.begin(), removed.end());
    QCOMPARE(asked, removed);
    QCOMPARE(itemView()->model()->rowCount(), 14 - removed.size());
}

void tst_InventoryWidget::asksNothingWithoutSelection()
{
    inventory->held = run("Drum", 1, 3);
    showPage();

    DialogAnswerer answerer;
    button("removeButton")->click();

    QVERIFY(answerer.shown().isEmpty());
    QVERIFY(inventory->removeCalls.isEmpty());
}

void tst_InventoryWidget::deleteKeyActsAsRemoveButton()
{
    inventory->held = run("Drum", 1, 3);
    showPage();
    QApplication::setActiveWindow(page.get());
    QVERIFY(QTest::qWaitForWindowActive(page.get()));
    selectRows({ 1 });

    DialogAnswerer answerer;
    answerer.answerMessage(QMessageBox::Yes);
    QTest::keyClick(page.get(), Qt::Key_Delete);

    // A shortcut clicks its button with a short animation, so a little later.
    QTRY_COMPARE(inventory->removeCalls, QList<QList<Item>>({ { Item("Drum", 2) } }));
    QCOMPARE(answerer.shownTexts(), QStringList({ "Are you sure you want to delete Drum #2?" }));
}

void tst_InventoryWidget::reportsChangesNotStored_data()
{
    QTest::addColumn<QString>("buttonName");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("add") << "addButton" << QStringList({ "The items could not be added." });
    QTest::newRow("remove") << "removeButton"
                            << QStringList(
                                   { "Are you sure you want to delete Drum #3?", "The items could not be removed." });
}

void tst_InventoryWidget::reportsChangesNotStored()
{
    QFETCH(QString, buttonName);
    QFETCH(QStringList, messages);
    inventory->held = run("Drum", 1, 3);
    inventory->storing = false;
    showPage();
    namedChild<QLineEdit>(page.get(), "itemBox")->setText("Drum");
    selectRows({ 0 });

    DialogAnswerer answerer;
    for (int answers = 0; answers < messages.size(); ++answers)
        answerer.answerMessage(answers + 1 < messages.size() ? QMessageBox::Yes : QMessageBox::Ok);
    button(qPrintable(buttonName))->click();

    QCOMPARE(answerer.shownTexts(), messages);
    QCOMPARE(answerer.shown().last().title, QString("Brindlow"));
}

void tst_InventoryWidget::buttonsShowTheirIcons()
{
    showPage();
    for (const char* name : { "addButton", "removeButton" })
        QVERIFY2(!button(name)->icon().pixmap(16).isNull(), name);
}

void tst_InventoryWidget::printsOneLabelPerCopy_data()
{
    QTest::addColumn<QList<int>>("selectedRows");
    QTest::addColumn<QList<Item>>("labelled");

    // Listed in descending order at first.
    QTest::newRow("the selected copies, in the order listed")
        << QList<int> { 2, 0 } << QList<Item> { Item("Violin, 4/4", 12), Item("Flûte", 1) };
    QTest::newRow("every copy when none is selected")
        << QList<int>() << QList<Item> { Item("Violin, 4/4", 12), Item("Flûte", 2), Item("Flûte", 1) };
}

void tst_InventoryWidget::printsOneLabelPerCopy()
{
    QFETCH(QList<int>, selectedRows);
    QFETCH(QList<Item>, labelled);
    inventory->held = { Item("Flûte", 1), Item("Flûte", 2), Item("Violin, 4/4", 12) };
    showPage();
    selectRows(selectedRows);
    const QString pdf = workspace->filePath("labels.pdf");
    DialogAnswerer answerer;
    answerer.printToPdf(pdf);
    button("printLabelsButton")->click();
    QCOMPARE(answerer.pending(), 0);

    const QString text = runTool("pdftotext", { pdf, "-" }).simplified();
    for (const Item& item : labelled)
        QCOMPARE(text.count(item.toString()), 1);

    // Each label on its own reads best; zbarimg reads the files in the order given.
    const int dpi = 150;
    runTool("pdftoppm", { "-r", QString::number(dpi), "-png", "-singlefile", pdf, workspace->filePath("sheet") });
    const QImage sheet(workspace->filePath("sheet.png"));
    const qreal dotsPerMillimetre = dpi / 25.4;
    QStringList labels;
    QStringList codes;
    for (int i = 0; i < labelled.size(); ++i) {
        const QRectF label = LabelSheet::labelRect(i, QSizeF(sheet.size()) / dotsPerMillimetre);
        labels.append(workspace->filePath(QString("label%1.png").arg(i)));
        QVERIFY(sheet.copy(QRectF(label.topLeft() * dotsPerMillimetre, label.size() * dotsPerMillimetre).toRect())
                    .save(labels.last()));
        codes.append(itemCode(labelled.at(i)));
    }
    QCOMPARE(
        runTool("zbarimg", QStringList { "--nodbus", "--raw", "-q" } + labels).split('\n', Qt::SkipEmptyParts), codes);
}

QTEST_MAIN(tst_InventoryWidget)
#include "tst_InventoryWidget.moc"
