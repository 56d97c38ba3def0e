#ifndef PREPAREDSTATEMENTS_H
#define PREPAREDSTATEMENTS_H

#include <QHash>
#include <QSqlDatabase>
#include <QVariantList>

#include <functional>
#include <memory>

class QSqlQuery;

/// The statements of one connection, run with values bound to their "?"
/// placeholders, never written into their texts. On PostgreSQL each text is
/// prepared once per connection and kept, so that the server parses and plans
/// it once; SQLite prepares in the process, cheaply, and a statement kept
/// there would hold its read open.
class PreparedStatements
{
public:
    explicit PreparedStatements(QSqlDatabase& connection);
    ~PreparedStatements();

    /// Executes \a statement with \a values; null when it fails,
    /// which is logged (never the values). On PostgreSQL the rows are to be
    /// read before the same statement runs again.
    std::shared_ptr<QSqlQuery> run(const QString& statement, const QVariantList& values = {});
    /// Drops the kept statements: a new session of the server has none of them.
    void forget();
    /// A statement outside a transaction that finds the server's session gone
    /// asks \a reconnect to connect again at once, and runs once more when it did.
    void setReconnect(const std::function<bool()>& reconnect) { reconnectNow = reconnect; }
    QSqlDatabase& database() { return handle; }

private:
    std::shared_ptr<QSqlQuery> prepared(const QString& statement);
    std::shared_ptr<QSqlQuery> attempt(const QString& statement, const QVariantList& values);

    QSqlDatabase& handle;
    QHash<QString, std::shared_ptr<QSqlQuery>> kept;
    std::function<bool()> reconnectNow;
};

#endif
