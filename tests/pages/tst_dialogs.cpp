#include "pages/dialogs.h"
#include "support/DialogAnswerer.h"

#include <QTest>

#include <functional>

// The kiosk window stays on top of everything: a dialog must open over it,
// whether or not a window of the program is active at that moment.
class tst_dialogs : public QObject
{
    Q_OBJECT

private slots:
    void aboveTheKiosk_data();
    void aboveTheKiosk();
};

using OpenDialog = std::function<void()>;
Q_DECLARE_METATYPE(OpenDialog)

void tst_dialogs::aboveTheKiosk_data()
{
    QTest::addColumn<OpenDialog>("open");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("windowActive");

    const QList<std::tuple<const char*, OpenDialog, QString>> dialogs {
        { "information", [] { showInformation("Invalid password."); }, "Brindlow" },
        { "error", [] { showError(nullptr, "Error reading file."); }, "Error" },
        { "question", [] { askYesNo(nullptr, "Are you sure?"); }, "Brindlow" },
        { "password", [] { askPassword(nullptr, "Please re-confirm your password."); }, "Brindlow" },
    };
    for (const auto& [name, open, title] : dialogs) {
        QTest::addRow("%s, kiosk window active", name) << open << title << true;
        QTest::addRow("%s, no window active", name) << open << title << false;
    }
}

void tst_dialogs::aboveTheKiosk()
{
    QFETCH(OpenDialog, open);
    QFETCH(QString, title);
    QFETCH(bool, windowActive);
    QWidget window;
    if (windowActive) {
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
    DialogAnswerer dialogs;
    QWidget* parent = nullptr;
    bool staysOnTop = false;
    dialogs.answerWith([&](QWidget* dialog) {
        parent = dialog->parentWidget();
        staysOnTop = dialog->windowFlags() & Qt::WindowStaysOnTopHint;
        qobject_cast<QDialog*>(dialog)->reject();
    });
    open();

    QCOMPARE(dialogs.pending(), 0);
    QCOMPARE(dialogs.shown().first().title, title);
    QCOMPARE(parent, windowActive ? &window : nullptr);
    QVERIFY(windowActive || staysOnTop);
}

QTEST_MAIN(tst_dialogs)
#include "tst_dialogs.moc"
