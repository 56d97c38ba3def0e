#include "app/SettingsWidget.h"
#include "stores/DatabaseHistory.h"
#include "stores/DatabaseInventory.h"
#include "stores/FileStudentList.h"
#include "stores/SystemClock.h"
#include "support/DialogAnswerer.h"
#include "support/TestWorkspace.h"
#include "support/namedChild.h"

#include <QCommandLinkButton>
#include <QLayout>
#include <QStackedWidget>
#include <QTest>

#include <memory>

namespace {

// Stores first, so the page and its administration pages go before them.
struct Fixture
{
    SystemClock clock;
    DatabaseInventory inventory;
    DatabaseHistory history { clock };
    FileStudentList students { QStringLiteral("students.lst") };
    SettingsWidget page { &inventory, &history, &students, clock };
};

} // namespace

class tst_SettingsWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void navigation_data();
    void navigation();
    void subPages_data();
    void subPages();

private:
    void click(const QString& name);

    std::unique_ptr<TestWorkspace> workspace;
    std::unique_ptr<Fixture> fixture;
};

void tst_SettingsWidget::init()
{
    workspace = std::make_unique<TestWorkspace>();
    fixture = std::make_unique<Fixture>();
    fixture->page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fixture->page));
}

void tst_SettingsWidget::cleanup()
{
    fixture.reset();
    workspace.reset();
}

void tst_SettingsWidget::click(const QString& name)
{
    auto* button = namedChild<QCommandLinkButton>(&fixture->page, name);
    QVERIFY2(button, qPrintable("No button " + name));
    QVERIFY2(button->isVisible(), qPrintable(name + " is not visible"));
    QTest::mouseClick(button, Qt::LeftButton);
}

void tst_SettingsWidget::navigation_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("homeShown");

    QTest::newRow("at start") << QStringList() << 0 << false;
    QTest::newRow("inventory") << QStringList { "inventoryButton" } << 1 << true;
    QTest::newRow("students") << QStringList { "studentsButton" } << 2 << true;
    QTest::newRow("printing") << QStringList { "printingButton" } << 3 << true;
    QTest::newRow("inventory and home") << QStringList { "inventoryButton", "homeButton" } << 0 << false;
    QTest::newRow("printing, home, students")
        << QStringList { "printingButton", "homeButton", "studentsButton" } << 2 << true;
}

void tst_SettingsWidget::navigation()
{
    QFETCH(QStringList, clicks);
    QFETCH(int, index);
    QFETCH(bool, homeShown);

    DialogAnswerer answerer; // switching pages asks nothing
    for (const QString& name : clicks) {
        click(name);
        if (QTest::currentTestFailed())
            return;
    }
    QCOMPARE(namedChild<QStackedWidget>(&fixture->page, "settingsStack")->currentIndex(), index);
    QCOMPARE(namedChild<QCommandLinkButton>(&fixture->page, "homeButton")->isVisible(), homeShown);
    QVERIFY(answerer.shown().isEmpty());
}

void tst_SettingsWidget::subPages_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QByteArray>("widgetClass");

    QTest::newRow("inventory") << "inventoryButton"
                               << "inventoryPage" << QByteArray("InventoryWidget");
    QTest::newRow("students") << "studentsButton"
                              << "studentsPage" << QByteArray("StudentWidget");
    QTest::newRow("printing") << "printingButton"
                              << "printingPage" << QByteArray("PrintWidget");
}

// Each command button leads to the sub-page that holds its administration page.
void tst_SettingsWidget::subPages()
{
    QFETCH(QString, button);
    QFETCH(QString, page);
    QFETCH(QByteArray, widgetClass);

    QCOMPARE(namedChild<QCommandLinkButton>(&fixture->page, button)->iconSize(), QSize(32, 32));
    click(button);
    QWidget* shown = namedChild<QStackedWidget>(&fixture->page, "settingsStack")->currentWidget();
    QCOMPARE(shown->objectName(), page);
    QCOMPARE(shown->layout()->count(), 1);
    QWidget* hosted = shown->layout()->itemAt(0)->widget();
    QVERIFY(hosted);
    QCOMPARE(QByteArray(hosted->metaObject()->className()), widgetClass);
    QCOMPARE(hosted->parentWidget(), shown);
}

QTEST_MAIN(tst_SettingsWidget)
#include "tst_SettingsWidget.moc"
