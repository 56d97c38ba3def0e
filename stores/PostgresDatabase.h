#ifndef POSTGRESDATABASE_H
#define POSTGRESDATABASE_H

#include "stores/PreparedStatements.h"

#include <QObject>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QTimer>

/// A kiosk's connection to the PostgreSQL database that several kiosks share.
/// It creates the schema when it finds none (one kiosk at a time), tells the
/// other kiosks of each change and hears of theirs, and survives the server
/// going away: statements fail meanwhile, and it connects again by itself.
class PostgresDatabase : public QObject
{
    Q_OBJECT

public:
    /// Connects to \a connection, a libpq connection string such as
    /// "host=db.school.lan dbname=brindlow user=kiosk", and brings the schema
    /// up to date. When it cannot (problem() says why) it tries again by itself.
    explicit PostgresDatabase(const QString& connection);
    ~PostgresDatabase() override;

    QString problem() const { return refusal; }
    /// Whether the server could not be reached, rather than refused this kiosk.
    bool unreachable() const { return !reached; }
    QSqlDatabase& database() { return handle; }
    /// The statements of this connection, each prepared once.
    PreparedStatements& statements() { return prepared; }
    /// Tells the other kiosks that \a topic changed; in a transaction, when it commits.
    bool notify(const QString& topic);
    /// The channel the kiosks tell each other on.
    static QString channel();

signals:
    /// Another kiosk changed \a topic: "inventory", "history", "students" or "passwords".
    /// What is heard within a tenth of a second is told together, in the order heard.
    void changedElsewhere(const QString& topic);
    /// Connected again after an outage: anything may have changed meanwhile.
    void reconnected();

private:
    bool open();
    bool connect();
    bool createSchema();
    void refuseSetUp(const QString& reason);
    void checkConnection();
    bool reconnectNow();
    void heard(const QString& channel, QSqlDriver::NotificationSource source, const QVariant& payload);
    void takeInHeard();

    QSqlDatabase handle;
    PreparedStatements prepared;
    QString refusal;
    bool reached = false;
    bool tooNew = false; // set up by a newer release: never to be used by this one
    QTimer watchdog;
    QStringList heardNotices; // waiting for the pause to end, each once
    QTimer takeInPause;
};

#endif
