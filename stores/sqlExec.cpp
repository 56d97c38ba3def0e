#include "stores/sqlExec.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>

// \a statement is the text with its "?" placeholders: the values stay out of the log.
static bool logged(const QSqlQuery& query, const QString& statement, bool succeeded)
{
    if (!succeeded)
        qWarning("SQL statement failed: %s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
    return succeeded;
}

bool execLogged(QSqlQuery& query)
{
    return logged(query, query.lastQuery(), query.exec());
}

bool execLogged(QSqlQuery& query, const QString& statement)
{
    return logged(query, statement, query.exec(statement));
}

static bool isNullText(const QVariant& value)
{
    return value.metaType() == QMetaType::fromType<QString>() && value.toString().isNull();
}

// Through Qt, PostgreSQL prepares, executes and deallocates every statement:
// three round trips to the server. Written into the statement, as Qt itself
// writes them into its EXECUTE, the values take one. (No "?" may stand in
// the statement's own texts.)
static QString withValues(const QSqlDriver* driver, const QString& statement, const QVariantList& values)
{
    QString text;
    text.reserve(statement.size());
    qsizetype next = 0;
    for (const QChar character : statement) {
        if (character != u'?' || next == values.size()) {
            text += character;
            continue;
        }
        const QVariant& value = values.at(next++);
        QSqlField field(QString(), value.metaType());
        // As with bound values, a null string is NULL, not ''.
        if (!isNullText(value))
            field.setValue(value);
        text += driver->formatValue(field);
    }
    return text;
}

bool execLogged(QSqlQuery& query, const QString& statement, const QVariantList& values)
{
    query.setForwardOnly(true);
    if (query.driver()->dbmsType() == QSqlDriver::PostgreSQL)
        return logged(query, statement, query.exec(withValues(query.driver(), statement, values)));
    query.prepare(statement);
    for (const QVariant& value : values)
        query.addBindValue(value);
    return execLogged(query);
}

bool execAllLogged(QSqlDatabase& database, const QStringList& statements)
{
    for (const QString& statement : statements) {
        QSqlQuery query(database);
        if (!execLogged(query, statement))
            return false;
    }
    return true;
}

bool inTransaction(QSqlDatabase& database, const std::function<bool()>& work)
{
    if (!database.transaction())
        return false;
    if (work() && database.commit())
        return true;
    database.rollback();
    return false;
}
