#include "pages/StudentWidget.h"

#include "stores/FileStudentList.h"
#include "support/DialogAnswerer.h"
#include "support/FakeClock.h"
#include "support/FakeHistory.h"
#include "support/ItemViews.h"
#include "support/TestWorkspace.h"
#include "support/namedChild.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QCollator>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>

#include <algorithm>
#include <memory>

static const QString resetQuestion = "Are you sure you want to reset the passwords for the selected students?";
static const QString clearQuestion = "Are you sure you want to clear all history?";
static const QString undoQuestion = "Are you sure you want to put back the student list as it was before the last "
                                    "import? Passwords registered since then are lost.";
static const QString emptyQuestion
    = "The file holds no student: importing it empties the student list. Import it all the same?";

class tst_StudentWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void importReplacesListAndPasswords_data();
    void importReplacesListAndPasswords();
    void listStaysWhenNothingIsRead_data();
    void listStaysWhenNothingIsRead();
    void previewDecides_data();
    void previewDecides();
    void previewReadsAgainInTheChosenEncoding();
    void undoPutsBackTheListBefore();
    void damagedKeptListCannotBeUndone();
    void exportsTheChosenRange_data();
    void exportsTheChosenRange();
    void resetsSelectedPasswords_data();
    void resetsSelectedPasswords();
    void resetReportsPasswordsNotStored();
    void clearsHistoryOnlyAfterYes_data();
    void clearsHistoryOnlyAfterYes();
    void sortsByHeaderClicks_data();
    void sortsByHeaderClicks();
    void headerTexts_data();
    void headerTexts();

private:
    void showPage(const QString& listFileName = "students.lst");
    QTreeView* studentView() const { return namedChild<QTreeView>(page.get(), "studentView"); }
    void click(const char* buttonName) { namedChild<QPushButton>(page.get(), buttonName)->click(); }
    void selectStudents(const QStringList& ids);

    std::unique_ptr<TestWorkspace> workspace;
    FakeClock clock;
    std::unique_ptr<FakeHistory> history;
    std::unique_ptr<FileStudentList> students;
    std::unique_ptr<StudentWidget> page;
};

static const QList<Student> registered = {
    Student("Eli Ash", "1000", "pw1"),
    Student("Émile Roux", "99", "pw2"),
    Student("Erik Holm", "100", QString()),
    Student("adam Berg", "7", "pw4"),
};

// QMessageBox::NoButton stands for pressing Enter, which gives the default answer.
static void answerQuestion(DialogAnswerer& answerer, QMessageBox::StandardButton button)
{
    if (button != QMessageBox::NoButton)
        answerer.answerMessage(button);
    else
        answerer.answerWith([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Return); });
}

void tst_StudentWidget::init()
{
    workspace = std::make_unique<TestWorkspace>();
    history = std::make_unique<FakeHistory>(clock);
}

void tst_StudentWidget::cleanup()
{
    page.reset();
    students.reset();
    history.reset();
    workspace.reset();
}

void tst_StudentWidget::showPage(const QString& listFileName)
{
    students = std::make_unique<FileStudentList>(workspace->filePath(listFileName));
    students->setStudents(registered);
    page = std::make_unique<StudentWidget>(history.get(), students.get(), clock);
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.get()));
}

void tst_StudentWidget::selectStudents(const QStringList& ids)
{
    const QStringList shownIds = columnTexts(studentView()->model(), 1);
    for (const QString& id : ids)
        clickCell(studentView(), int(shownIds.indexOf(id)), 0, Qt::ControlModifier);
    // Whole rows are selected: one index per cell.
    QCOMPARE(studentView()->selectionModel()->selectedIndexes().size(), 2 * ids.size());
}

void tst_StudentWidget::importReplacesListAndPasswords_data()
{
    QTest::addColumn<QString>("listFile");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("saved") << "students.lst" << QStringList();
    QTest::newRow("not saved") << "no such folder/students.lst"
                               << QStringList({ "The student list could not be saved." });
}

void tst_StudentWidget::importReplacesListAndPasswords()
{
    QFETCH(QString, listFile);
    QFETCH(QStringList, messages);
    showPage(listFile);
    workspace->writeFile("new.csv", "ID,First,Last\r\n99,Emile,Roux\r\n5,Zoe,Young\r\n");

    DialogAnswerer answerer;
    answerer.chooseFile(workspace->filePath("new.csv"));
    answerer.pressButton("Import");
    if (!messages.isEmpty())
        answerer.answerMessage(QMessageBox::Ok);
    click("openStudentListButton");

    QCOMPARE(answerer.shownTexts().mid(2), messages);
    // The run goes on with the imported list even when it could not be saved.
    QCOMPARE(students->count(), 2);
    QCOMPARE(students->student("99"), Student("Emile Roux", "99", QString()));
    QVERIFY(students->student("99").password().isNull());
    QCOMPARE(students->student("5"), Student("Zoe Young", "5", QString()));
    QCOMPARE(columnTexts(studentView()->model()), QStringList({ "Zoe Young", "Emile Roux" }));
}

void tst_StudentWidget::listStaysWhenNothingIsRead_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QStringList>("messages");

    const QStringList warning = { "Error reading file." };
    QTest::newRow("cancelled") << QString() << QStringList();
    QTest::newRow("missing file") << "missing.csv" << warning;
    QTest::newRow("directory") << "folder.csv" << warning;
}

void tst_StudentWidget::listStaysWhenNothingIsRead()
{
    QFETCH(QString, chosen);
    QFETCH(QStringList, messages);
    showPage();
    QVERIFY(QDir(workspace->path()).mkdir("folder.csv"));
    const QStringList shownNames = columnTexts(studentView()->model());

    DialogAnswerer answerer;
    if (chosen.isNull()) {
        answerer.reject();
    } else {
        answerer.chooseFile(workspace->filePath(chosen));
        answerer.answerMessage(QMessageBox::Ok);
    }
    click("openStudentListButton");

    QCOMPARE(answerer.pending(), 0);
    QCOMPARE(answerer.shownTexts().mid(1), messages);
    if (!messages.isEmpty())
        QCOMPARE(answerer.shown().last().title, QString("Error"));
    QCOMPARE(students->count(), registered.size());
    QCOMPARE(students->student("99").password(), QString("pw2"));
    QCOMPARE(columnTexts(studentView()->model()), shownNames);
}

void tst_StudentWidget::previewDecides_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QVariant>("keepPasswords"); // null: the box left as it comes
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QList<Student>>("imported"); // empty: the list as it was

    const QByteArray roster = "ID,First,Last\n1000,Eli,Ash\n99,Emile,Roux\n";
    QTest::newRow("Cancel changes nothing")
        << roster << "Cancel" << QVariant(false) << QStringList() << QList<Student>();
    QTest::newRow("re-import as it comes cleared every password: kept where ID and name stay")
        << roster << "Import" << QVariant() << QStringList()
        << QList<Student> { Student("Eli Ash", "1000", "pw1"), Student("Emile Roux", "99", QString()) };
    QTest::newRow("unticked, Import clears every password")
        << roster << "Import" << QVariant(false) << QStringList()
        << QList<Student> { Student("Eli Ash", "1000", QString()), Student("Emile Roux", "99", QString()) };
    QTest::newRow("kept passwords only where ID and name stay")
        << roster << "Import" << QVariant(true) << QStringList()
        << QList<Student> { Student("Eli Ash", "1000", "pw1"), Student("Emile Roux", "99", QString()) };
    QTest::newRow("no student: a second No keeps the list")
        << QByteArray("ID,First,Last\n") << "Import" << QVariant(false) << QStringList { emptyQuestion }
        << QList<Student>();
}

void tst_StudentWidget::previewDecides()
{
    QFETCH(QByteArray, csv);
    QFETCH(QString, button);
    QFETCH(QVariant, keepPasswords);
    QFETCH(QStringList, messages);
    QFETCH(QList<Student>, imported);
    showPage();
    const QByteArray fileBefore = workspace->readFile("students.lst");
    workspace->writeFile("new.csv", csv);

    DialogAnswerer answerer;
    answerer.chooseFile(workspace->filePath("new.csv"));
    answerer.answerWith([&](QWidget* dialog) {
        if (!keepPasswords.isNull())
            namedChild<QCheckBox>(dialog, "keepPasswordsBox")->setChecked(keepPasswords.toBool());
        DialogAnswerer::pressButton(dialog, button);
    });
    if (!messages.isEmpty())
        answerer.answerMessage(QMessageBox::No);
    click("openStudentListButton");

    QCOMPARE(answerer.shownTexts().mid(2), messages);
    const QList<Student> expected = imported.isEmpty() ? registered : imported;
    QCOMPARE(students->count(), expected.size());
    for (const Student& student : expected)
        QCOMPARE(students->student(student.id()), student);
    if (imported.isEmpty()) {
        QCOMPARE(workspace->readFile("students.lst"), fileBefore);
        QVERIFY(!QFile::exists(workspace->filePath("students.lst.before-import")));
        QVERIFY(!namedChild<QPushButton>(page.get(), "undoImportButton")->isEnabled());
    }
}

// An office's file from an older Linux desktop: 0xA6 is "Š" there, "¦" in Windows-1252.
void tst_StudentWidget::previewReadsAgainInTheChosenEncoding()
{
    showPage();
    workspace->writeFile("new.csv", "ID,First,Last\n5,Zo\xeb,\xa6imon\n");
    QStringList namesShown;
    DialogAnswerer answerer;
    answerer.chooseFile(workspace->filePath("new.csv"));
    answerer.answerWith([&](QWidget* dialog) {
        auto* rows = namedChild<QTreeWidget>(dialog, "rowView");
        auto* encodings = namedChild<QComboBox>(dialog, "encodingBox");
        namesShown << encodings->currentText() + ": " + rows->topLevelItem(0)->text(2);
        encodings->setFocus();
        QTest::keyClick(encodings, Qt::Key_Down);
        namesShown << encodings->currentText() + ": " + rows->topLevelItem(0)->text(2);
        DialogAnswerer::pressButton(dialog, "Import");
    });
    click("openStudentListButton");

    QCOMPARE(answerer.pending(), 0);
    QCOMPARE(namesShown, QStringList({ "Windows-1252: Zoë ¦imon", "ISO-8859-15: Zoë Šimon" }));
    QCOMPARE(students->student("5").name(), QString("Zoë Šimon"));
}

// Enter on the question first: it must not undo.
void tst_StudentWidget::undoPutsBackTheListBefore()
{
    showPage();
    workspace->writeFile("new.csv", "ID,First,Last\n5,Zoe,Young\n");
    DialogAnswerer answerer;
    answerer.chooseFile(workspace->filePath("new.csv"));
    answerer.pressButton("Import");
    click("openStudentListButton");

    for (QMessageBox::StandardButton answer : { QMessageBox::NoButton, QMessageBox::Yes }) {
        QCOMPARE(students->count(), 1);
        answerQuestion(answerer, answer);
        click("undoImportButton");
        QCOMPARE(answerer.shownTexts().last(), undoQuestion);
    }
    QCOMPARE(students->count(), registered.size());
    for (const Student& student : registered)
        QCOMPARE(students->student(student.id()), student);
    QVERIFY(!namedChild<QPushButton>(page.get(), "undoImportButton")->isEnabled());
}

void tst_StudentWidget::damagedKeptListCannotBeUndone()
{
    workspace->writeFile("students.lst.before-import", QByteArray::fromHex("00000002000000"));
    showPage();
    QVERIFY(!namedChild<QPushButton>(page.get(), "undoImportButton")->isEnabled());
    QCOMPARE(namedChild<QLabel>(page.get(), "undoNoteLabel")->text(),
        QString("The list kept before the last import is damaged: the import cannot be undone."));
}

void tst_StudentWidget::exportsTheChosenRange_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("message");

    QTest::newRow("written") << "history.csv"
                             << "The history was exported to %1.";
    QTest::newRow("folder missing: reported, nothing written") << "no such folder/history.csv"
                                                               << "%1 could not be written: ";
}

void tst_StudentWidget::exportsTheChosenRange()
{
    QFETCH(QString, fileName);
    QFETCH(QString, message);
    showPage();
    const QDate today = clock.today();
    history->record(
        Entry(QDateTime(today.addYears(-1), QTime(9, 0)), Student("Too Old", "8", QString()), Item("Oboe", 1)));
    history->record(Entry(QDateTime(today, QTime(9, 0)), Student("Ada, Countess", "7", QString()), Item("Harp", 2)));
    const QString path = workspace->filePath(fileName);

    DialogAnswerer answerer;
    answerer.pressButton("Export...");
    answerer.chooseFile(path);
    answerer.answerMessage(QMessageBox::Ok);
    click("exportHistoryButton");

    QCOMPARE(answerer.pending(), 0);
    QVERIFY2(answerer.shownTexts().last().startsWith(message.arg(QDir::toNativeSeparators(path))),
        qPrintable(answerer.shownTexts().last()));
    if (QFile::exists(path)) {
        QCOMPARE(workspace->readFile(fileName),
            "\xef\xbb\xbf"
            "Date and Time,Student Name,Student ID,Item Name,Item Number\r\n"
                + today.toString(Qt::ISODate).toUtf8() + "T09:00:00,\"Ada, Countess\",7,Harp,2\r\n");
    }
}

void tst_StudentWidget::resetsSelectedPasswords_data()
{
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<QStringList>("reset");
    QTest::addColumn<QString>("message");

    QTest::newRow("two rows") << QStringList({ "1000", "7" }) << QMessageBox::Yes << QStringList({ "1000", "7" })
                              << resetQuestion;
    QTest::newRow("answered no") << QStringList({ "1000", "7" }) << QMessageBox::No << QStringList() << resetQuestion;
    QTest::newRow("Enter answers no") << QStringList({ "1000" }) << QMessageBox::NoButton << QStringList()
                                      << resetQuestion;
    QTest::newRow("nothing selected: said, not asked")
        << QStringList() << QMessageBox::Ok << QStringList() << "No student is selected.";
}

void tst_StudentWidget::resetsSelectedPasswords()
{
    QFETCH(QStringList, selected);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(QStringList, reset);
    QFETCH(QString, message);
    showPage();
    selectStudents(selected);
    const QStringList shownNames = columnTexts(studentView()->model());

    DialogAnswerer answerer;
    answerQuestion(answerer, answer);
    click("resetPasswordButton");

    QCOMPARE(answerer.shownTexts(), QStringList({ message }));
    QCOMPARE(answerer.shown().first().title, QString("Brindlow"));
    for (const Student& before : registered) {
        const Student after = students->student(before.id());
        QCOMPARE(after.password(), reset.contains(before.id()) ? QString() : before.password());
        QCOMPARE(after.password().isNull(), reset.contains(before.id()) || before.password().isNull());
    }
    QCOMPARE(columnTexts(studentView()->model()), shownNames);
}

void tst_StudentWidget::resetReportsPasswordsNotStored()
{
    showPage("no such folder/students.lst");
    selectStudents({ "99" });

    DialogAnswerer answerer;
    answerer.answerMessage(QMessageBox::Yes);
    answerer.answerMessage(QMessageBox::Ok);
    click("resetPasswordButton");

    QCOMPARE(answerer.shownTexts(), QStringList({ resetQuestion, "The passwords could not be reset." }));
}

void tst_StudentWidget::clearsHistoryOnlyAfterYes_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("storing");
    QTest::addColumn<int>("clearCalls");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("yes") << QMessageBox::Yes << true << 1 << QStringList({ clearQuestion });
    QTest::newRow("no") << QMessageBox::No << true << 0 << QStringList({ clearQuestion });
    QTest::newRow("Enter answers no") << QMessageBox::NoButton << true << 0 << QStringList({ clearQuestion });
    QTest::newRow("not stored") << QMessageBox::Yes << false << 1
                                << QStringList({ clearQuestion, "The history could not be cleared." });
}

void tst_StudentWidget::clearsHistoryOnlyAfterYes()
{
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, storing);
    QFETCH(int, clearCalls);
    QFETCH(QStringList, messages);
    history->storing = storing;
    showPage();

    DialogAnswerer answerer;
    answerQuestion(answerer, answer);
    if (messages.size() > 1)
        answerer.answerMessage(QMessageBox::Ok);
    click("clearHistoryButton");

    QCOMPARE(answerer.shownTexts(), messages);
    QCOMPARE(answerer.shown().first().title, QString("Brindlow"));
    QCOMPARE(history->clearCalls, clearCalls);
}

static QStringList collated(QStringList names)
{
    const QCollator collator;
    std::sort(names.begin(), names.end(),
        [&collator](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
    return names;
}

static QStringList reversed(QStringList texts)
{
    std::reverse(texts.begin(), texts.end());
    return texts;
}

void tst_StudentWidget::sortsByHeaderClicks_data()
{
    QTest::addColumn<int>("section");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QStringList>("expected");

    QStringList names;
    for (const Student& student : registered)
        names.append(student.name());
    const QStringList byName = collated(names);
    // Accents and case must not sort by code unit, where "Émile" and "adam" come last.
    QCOMPARE(byName, QStringList({ "adam Berg", "Eli Ash", "Émile Roux", "Erik Holm" }));
    const QStringList byId = { "100", "1000", "7", "99" };

    QTest::newRow("names at first") << 0 << 0 << reversed(byName);
    QTest::newRow("names ascending") << 0 << 1 << byName;
    QTest::newRow("names descending again") << 0 << 2 << reversed(byName);
    QTest::newRow("ids ascending") << 1 << 1 << byId;
    QTest::newRow("ids descending") << 1 << 2 << reversed(byId);
}

void tst_StudentWidget::sortsByHeaderClicks()
{
    QFETCH(int, section);
    QFETCH(int, clicks);
    QFETCH(QStringList, expected);
    showPage();
    QAbstractItemModelTester tester(studentView()->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);

    for (int click = 0; click < clicks; ++click)
        clickSection(studentView()->header(), section);

    QCOMPARE(columnTexts(studentView()->model(), section), expected);
}

void tst_StudentWidget::headerTexts_data()
{
    QTest::addColumn<int>("section");
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<QString>("text");

    QTest::newRow("name column") << 0 << Qt::Horizontal << "Name";
    QTest::newRow("id column") << 1 << Qt::Horizontal << "Id";
    QTest::newRow("first row") << 0 << Qt::Vertical << "Name";
    QTest::newRow("second row") << 1 << Qt::Vertical << "Id";
    QTest::newRow("last row") << 3 << Qt::Vertical << "Id";
}

void tst_StudentWidget::headerTexts()
{
    QFETCH(int, section);
    QFETCH(Qt::Orientation, orientation);
    QFETCH(QString, text);
    showPage();

    QCOMPARE(studentView()->model()->headerData(section, orientation).toString(), text);
}

QTEST_MAIN(tst_StudentWidget)
#include "tst_StudentWidget.moc"
