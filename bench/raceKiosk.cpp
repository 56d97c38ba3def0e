// One of the kiosks of a race on one PostgreSQL database: the stores, the
// verifier and the main window (offscreen) as at a kiosk, signing out items
// and students picked at random as fast as it can.
//   raceKiosk CONNECTION SECONDS DAY_SECONDS SEED [KIOSKS SIGN_OUTS DAYS_AHEAD]
// With KIOSKS, the kiosk SEED of KIOSKS instead signs out SIGN_OUTS items of
// its share of the inventory (every KIOSKS-th item, from the SEED-th) on one
// day DAYS_AHEAD days ahead, and ends when done: together they fill that day.
// Prints "ready" once started, begins at the line "go MOMENT" on its input
// (MOMENT in milliseconds since the epoch, the same for every kiosk) and
// prints "done EVENTS_NS CPU_NS" (CPU_NS: its processor time from "go" on),
// then one line "OUTCOME NANOSECONDS ENDED" for
// every sign-out, OUTCOME as in SignOutOutcome, ENDED the moment it ended
// in microseconds since the epoch (to order the kiosks' sign-outs).
// Each sign-out is timed from the student's lookup to the log redrawn,
// apart from the password check (signOutApartFromPassword); between two,
// the kiosk takes in the other kiosks' changes (EVENTS_NS in all).
#include "measuring.h"
#include "signOutSteps.h"

#include "app/MainWindow.h"
#include "app/PostgresStores.h"
#include "pages/SignOutWidget.h"
#include "pages/StudentVerifier.h"
#include "stores/Clock.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTextStream>
#include <QTimer>
#include <QTreeView>

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

/// The computer's clock a day ahead, and another day further for every
/// DAY_SECONDS of the race: the one-sign-out-per-day rule would otherwise
/// stop the race once every item is out. The kiosks agree on the days, as
/// they count from the same moment.
class RaceClock final : public Clock
{
public:
    RaceClock(int secondsADay, int daysAhead)
        : daySeconds(secondsADay)
        , firstDay(daysAhead)
    {
        turnOfDay.setInterval(20);
        connect(&turnOfDay, &QTimer::timeout, this, [this] {
            if (const QDate day = today(); day != shownDay) {
                shownDay = day;
                emit dayChanged();
            }
        });
    }

    void start(qint64 moment)
    {
        started = moment;
        shownDay = today();
        turnOfDay.start();
    }

    QDateTime now() const override
    {
        const QDateTime real = QDateTime::currentDateTime();
        const qint64 elapsed = started ? real.toMSecsSinceEpoch() - started : 0;
        return real.addDays(firstDay + (daySeconds > 0 ? elapsed / (daySeconds * 1000LL) : 0));
    }

private:
    const int daySeconds;
    const int firstDay;
    qint64 started = 0;
    QDate shownDay;
    QTimer turnOfDay;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 5 && arguments.size() != 8) {
        std::fprintf(stderr, "usage: raceKiosk CONNECTION SECONDS DAY_SECONDS SEED [KIOSKS SIGN_OUTS DAYS_AHEAD]\n");
        return 2;
    }
    const int seconds = arguments.at(2).toInt();
    const int seed = arguments.at(4).toInt();
    const int kiosks = arguments.value(5).toInt();
    const int signOutsToMake = arguments.value(6).toInt();
    RaceClock clock(arguments.at(3).toInt(), kiosks ? arguments.at(7).toInt() : 1);
    PostgresStores stores(arguments.at(1), clock);
    if (!stores.problem().isEmpty())
        qFatal("%s", qPrintable(stores.problem()));
    AbstractHistory& history = stores.history();
    AbstractStudentList& students = stores.students();
    StudentVerifier verifier(&students, &history, clock);
    MainWindow window(&stores.inventory(), &history, &students, &verifier, clock);
    window.showFullScreen();
    QCoreApplication::processEvents();
    QWidget* log = child<QTreeView>(child<SignOutWidget>(&window), "entryView")->viewport();

    QList<Item> items = stores.inventory().items();
    std::sort(items.begin(), items.end());
    QStringList ids;
    for (int i = 0; i < students.count(); ++i)
        ids.append(students.at(i).id());
    if (items.isEmpty() || ids.isEmpty())
        qFatal("No items or no students to sign out");
    QRandomGenerator random(seed);
    QList<Item> share;
    for (qsizetype i = seed - 1; kiosks && i < items.size() && share.size() < signOutsToMake; i += kiosks)
        share.append(items.at(i));

    std::printf("ready\n");
    std::fflush(stdout);
    QTextStream input(stdin);
    const QStringList go = input.readLine().split(QLatin1Char(' '));
    if (go.size() != 2 || go.first() != QLatin1String("go"))
        qFatal("Expected \"go MOMENT\"");
    clock.start(go.last().toLongLong());

    struct SignOut
    {
        SignOutOutcome outcome;
        qint64 elapsed;
        qint64 ended;
    };
    QList<SignOut> signOuts;
    qint64 events = 0;
    const qint64 cpuAtGo = processorNanoseconds();
    QElapsedTimer race;
    race.start();
    while (kiosks ? signOuts.size() < share.size() : race.elapsed() < seconds * 1000LL) {
        const Item& item = kiosks ? share.at(signOuts.size()) : items.at(random.bounded(int(items.size())));
        const QString& id = ids.at(random.bounded(int(ids.size())));
        SignOutOutcome outcome;
        const qint64 elapsed = nanoseconds([&] {
            outcome = signOutApartFromPassword(students, history, clock, id, item);
            log->repaint();
        });
        const auto ended = std::chrono::system_clock::now().time_since_epoch();
        signOuts.append({ outcome, elapsed, std::chrono::duration_cast<std::chrono::microseconds>(ended).count() });
        events += nanoseconds([] { QCoreApplication::processEvents(); });
    }
    std::printf("done %lld %lld\n", events, processorNanoseconds() - cpuAtGo);
    for (const SignOut& signOut : signOuts)
        std::printf("%d %lld %lld\n", int(signOut.outcome), signOut.elapsed, signOut.ended);
    return 0;
}
