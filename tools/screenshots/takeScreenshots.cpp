// Photographs the real kiosk window on each of its pages, over a morning's
// sample data, for the README:  takeScreenshots DATA_FOLDER OUTPUT_FOLDER
// The data folder should be empty; settings belong in a scratch XDG_CONFIG_HOME.
#include "app/Kiosk.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QSqlQuery>

#include <cstdio>

static void addSampleData(AbstractInventory& inventory, AbstractStudentList& students)
{
    students.setStudents({ Student("Zoë Ørsted", "1001", "a"), Student("Bo Diddley", "1002", "b"),
        Student("Ada Lovelace", "1815", "c"), Student("Émile Roux", "1040", QString()),
        Student("Niamh Byrne", "1077", "d"), Student("Mateo García", "1123", QString()) });
    QList<Item> items;
    for (const auto& [name, count] : { std::pair("Violin", 4), std::pair("Flute", 3), std::pair("Cello", 2),
             std::pair("Trumpet", 3), std::pair("Clarinet", 2) })
        for (int number = 1; number <= count; ++number)
            items.append(Item(name, number));
    inventory.addItems(items);

    // Sign-outs of the last days, and of the last hour and a half.
    const QDateTime now = QDateTime::currentDateTime();
    const struct
    {
        int minutesAgo;
        int student;
        Item item;
    } signOuts[] = { { 3 * 1440 + 60, 2, Item("Cello", 1) }, { 2 * 1440 + 180, 4, Item("Flute", 2) },
        { 1440 + 30, 0, Item("Violin", 3) }, { 95, 0, Item("Violin", 2) }, { 62, 1, Item("Trumpet", 1) },
        { 31, 2, Item("Cello", 2) }, { 12, 4, Item("Flute", 1) } };
    QSqlQuery insert(QSqlDatabase::database(QStringLiteral("history")));
    insert.prepare(QStringLiteral("INSERT INTO history VALUES (?, ?, ?, ?, ?, ?)"));
    for (const auto& signOut : signOuts) {
        const Student student = students.at(signOut.student);
        insert.addBindValue(now.addSecs(-60 * signOut.minutesAgo).toMSecsSinceEpoch());
        insert.addBindValue(student.name());
        insert.addBindValue(student.id());
        insert.addBindValue(QVariant(QMetaType::fromType<QString>())); // as the kiosk records it: no password
        insert.addBindValue(signOut.item.name());
        insert.addBindValue(signOut.item.number());
        insert.exec();
    }

    // A term of school days before them, for the usage page: busier before
    // the concert weeks, the cellos mostly at home, one trumpet never out.
    QDate day = now.date().addDays(-110);
    for (int n = 0; day < now.date().addDays(-4); day = day.addDays(1)) {
        if (day.dayOfWeek() > 5)
            continue;
        const int perDay = 3 + (day.weekNumber() % 5 == 0 ? 4 : 0) + day.dayOfWeek() % 3;
        for (int i = 0; i < perDay; ++i, ++n) {
            const Item item = items.at((n * 7 + i * 3) % items.size());
            if (item == Item("Trumpet", 3) || (item.name() == "Cello" && n % 4))
                continue;
            const Student student = students.at(n % students.count());
            insert.addBindValue(QDateTime(day, QTime(8 + (n * 5) % 8, (n * 13) % 60)).toMSecsSinceEpoch());
            insert.addBindValue(student.name());
            insert.addBindValue(student.id());
            insert.addBindValue(QVariant(QMetaType::fromType<QString>()));
            insert.addBindValue(item.name());
            insert.addBindValue(item.number());
            insert.exec();
        }
    }
}

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brindlow"));
    QApplication::setOrganizationName(QStringLiteral("Ostmere"));
    if (argc != 3) {
        std::fprintf(stderr, "usage: takeScreenshots DATA_FOLDER OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir output(QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[2])));
    QDir::setCurrent(QString::fromLocal8Bit(argv[1]));

    Kiosk kiosk;
    addSampleData(kiosk.inventory, kiosk.students);
    MainWindow& window = kiosk.window;
    window.resize(1024, 640);
    window.show();

    const auto click = [&window](const char* name) { window.findChild<QAbstractButton*>(name)->click(); };
    const auto shoot = [&](const char* name) {
        QApplication::processEvents();
        const QString path = output.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
        if (!window.grab().save(path))
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::printf("%s\n", qPrintable(path));
    };

    // A sign-out just now, through the page, which says so; the next student is typing.
    auto* signOut = window.findChild<QWidget*>(QStringLiteral("SignOutWidget"));
    signOut->findChild<QLineEdit*>("usernameBox")->setText("1002");
    signOut->findChild<QLineEdit*>("passwordBox")->setText("b");
    auto* itemBox = signOut->findChild<QComboBox*>("itemBox");
    itemBox->setCurrentIndex(itemBox->findText(QStringLiteral("Clarinet #1")));
    signOut->findChild<QAbstractButton*>("signOutButton")->click();
    signOut->findChild<QLineEdit*>("usernameBox")->setText("1077");
    shoot("sign-out");
    click("historyButton");
    shoot("history");
    window.findChild<QAction*>(QStringLiteral("actionSettings"))->trigger();
    shoot("settings");
    click("inventoryButton");
    shoot("inventory");
    click("homeButton");
    click("studentsButton");
    shoot("students");
    click("homeButton");
    click("printingButton");
    shoot("printing");
    click("homeButton");
    click("usageButton");
    shoot("usage");
    return 0;
}
