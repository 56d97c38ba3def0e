#include "stores/PostgresDatabase.h"

#include "stores/connectionString.h"
#include "stores/postgresSchema.h"
#include "stores/postgresSession.h"
#include "stores/sqlExec.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

#include <chrono>
#include <utility>

static const QString Channel = QStringLiteral("brindlow");
// Any fixed number: the kiosks agree on it to create the schema one at a time.
static constexpr qint64 SchemaLock = 7262010;
// A server that keeps the connection but stops answering (a commit waiting
// for a standby that never comes) must not hold a sign-out for longer.
static const QString StatementTimeLimit = QStringLiteral("5s");
// Another kiosk's change is taken in a moment after it is heard, with those
// heard meanwhile: the pages then redraw once for them all. A redraw costs
// about 1.5 ms and taking in a row a fiftieth of that, and a busy district's
// kiosks hear each other's sign-outs many times a second.
static constexpr std::chrono::milliseconds TakeInPause(100);

static QString connectionName()
{
    static int connections = 0;
    return QStringLiteral("postgres-%1").arg(++connections);
}

// A server that no longer answers (switched off, cable pulled) must not hold
// the kiosk for the quarter of an hour the system takes to give up on it:
// these settings of libpq give up within seconds, unless the string sets its own.
static QString withTimeouts(const QString& connection)
{
    const QStringList given = connectionKeywords(connection).value_or(QStringList());
    QString options = connection;
    for (const char* setting : { "connect_timeout=5", "keepalives=1", "keepalives_idle=5", "keepalives_interval=2",
             "keepalives_count=2", "tcp_user_timeout=5000" }) {
        const QString name = QString::fromLatin1(setting).section(QLatin1Char('='), 0, 0);
        if (!given.contains(name))
            options += QLatin1Char(' ') + QLatin1String(setting);
    }
    return options;
}

PostgresDatabase::PostgresDatabase(const QString& connection)
    : handle(QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName()))
    , prepared(handle)
{
    handle.setConnectOptions(withTimeouts(connection));
    prepared.setReconnect([this] { return reconnectNow(); });
    watchdog.setInterval(std::chrono::seconds(2));
    QObject::connect(&watchdog, &QTimer::timeout, this, &PostgresDatabase::checkConnection);
    watchdog.start();
    takeInPause.setSingleShot(true);
    takeInPause.setInterval(TakeInPause);
    QObject::connect(&takeInPause, &QTimer::timeout, this, &PostgresDatabase::takeInHeard);
    open();
}

PostgresDatabase::~PostgresDatabase()
{
    const QString name = handle.connectionName();
    prepared.forget();
    handle.close();
    handle = QSqlDatabase();
    QSqlDatabase::removeDatabase(name);
}

bool PostgresDatabase::open()
{
    return connect() && createSchema();
}

bool PostgresDatabase::connect()
{
    prepared.forget();
    reached = handle.open();
    if (!reached) {
        // The details are for whoever reads the log, not for the person at the kiosk.
        refusal = QCoreApplication::translate("PostgresDatabase", "Cannot reach the kiosks' database.");
        qWarning("Cannot reach the database: %s", qPrintable(handle.lastError().text()));
        return false;
    }
    refusal.clear();
    QObject::connect(handle.driver(), &QSqlDriver::notification, this, &PostgresDatabase::heard, Qt::UniqueConnection);
    // What the kiosk's statements need, whatever the server, the database or
    // the role chose: PostgreSQL's default isolation (under serializable,
    // kiosks signing out different items refuse each other, and kiosks
    // starting together would not see the schema the first one created),
    // a time limit for every statement, and no compiling of statements: the
    // usage page's counts over thousands of copies are estimated dear enough
    // for PostgreSQL to compile them, which took longer than running them.
    // A kept statement is planned for the values of each run: a plan made
    // once for any range guesses the range small, and sorted all years of
    // history to jump into them (2.2 s against 0.25 s).
    QSqlQuery settings(handle);
    // Subscriptions end with the server's session.
    if (execLogged(settings,
            QStringLiteral("SELECT set_config('default_transaction_isolation', 'read committed', false), "
                           "set_config('statement_timeout', '%1', false), set_config('jit', 'off', false), "
                           "set_config('plan_cache_mode', 'force_custom_plan', false)")
                .arg(StatementTimeLimit))
        && handle.driver()->subscribeToNotification(Channel))
        return true;
    refuseSetUp(serverError(handle));
    return false;
}

bool PostgresDatabase::createSchema()
{
    // Several kiosks may start at once: the first one creates, the others wait and find it.
    SchemaUpgrade upgrade = SchemaUpgrade::Failed;
    QString reason;
    if (inTransaction(handle, [&] {
            QSqlQuery lock(handle);
            upgrade = lock.exec(QStringLiteral("SELECT pg_advisory_xact_lock(%1)").arg(SchemaLock))
                ? upgradePostgresSchema(handle)
                : SchemaUpgrade::Failed;
            // Read before the rollback, which clears it.
            reason = serverError(handle);
            return upgrade == SchemaUpgrade::Done;
        }))
        return true;
    tooNew = upgrade == SchemaUpgrade::TooNew;
    if (tooNew) {
        refusal = QCoreApplication::translate("PostgresDatabase",
            "The database was set up by a newer version of Brindlow. "
            "Please install that version on this computer too.");
        qWarning("%s", qPrintable(refusal));
    } else {
        refuseSetUp(reason);
    }
    return false;
}

// With the server's reason: a failed begin or commit has it from the driver.
void PostgresDatabase::refuseSetUp(const QString& reason)
{
    refusal = QCoreApplication::translate("PostgresDatabase", "The database could not be set up: %1")
                  .arg(reason.isEmpty() ? handle.lastError().text() : reason);
    qWarning("%s", qPrintable(refusal));
}

QString PostgresDatabase::channel()
{
    return Channel;
}

bool PostgresDatabase::notify(const QString& topic)
{
    return prepared.run(QStringLiteral("SELECT pg_notify(?, ?)"), { Channel, topic }) != nullptr;
}

// A server that went away is noticed within the watchdog's interval, even
// when nobody uses the kiosk, and is connected to again once it is back; the
// attempts grow rarer while it stays away, as each may wait for a timeout. A
// database this kiosk was refused (set up by a newer release) is left alone.
void PostgresDatabase::checkConnection()
{
    if (tooNew) {
        watchdog.stop();
        return;
    }
    QSqlQuery ping(handle);
    if (handle.isOpen() && ping.exec(QStringLiteral("SELECT 1")))
        return;
    if (open()) {
        watchdog.setInterval(std::chrono::seconds(2));
        emit reconnected();
    } else {
        watchdog.setInterval(
            std::min<std::chrono::milliseconds>(watchdog.intervalAsDuration() * 2, std::chrono::seconds(10)));
    }
}

// A sign-out or a read that finds the server's session gone connects again
// at once, rather than being refused until the watchdog's next try.
bool PostgresDatabase::reconnectNow()
{
    if (tooNew || !open())
        return false;
    watchdog.setInterval(std::chrono::seconds(2));
    // After the statement that found the session gone, not in its middle.
    QMetaObject::invokeMethod(this, &PostgresDatabase::reconnected, Qt::QueuedConnection);
    return true;
}

void PostgresDatabase::heard(const QString& channel, QSqlDriver::NotificationSource source, const QVariant& payload)
{
    if (channel != Channel || source == QSqlDriver::SelfSource)
        return;
    // A topic told twice is read again once; a row's notice is never told twice.
    if (const QString notice = payload.toString(); !heardNotices.contains(notice))
        heardNotices.append(notice);
    if (!takeInPause.isActive())
        takeInPause.start();
}

void PostgresDatabase::takeInHeard()
{
    for (const QString& notice : std::exchange(heardNotices, {}))
        emit changedElsewhere(notice);
}
