#include "SqliteConnection.h"

#include "stores/Item.h"
#include "stores/Student.h"

#include <QDateTime>
#include <QFile>

#include <sqlite3.h>

SqliteConnection::SqliteConnection(const QString& path)
{
    // Without a mutex per connection, as Qt's SQLite driver opens its own.
    if (sqlite3_open_v2(
            QFile::encodeName(path).constData(), &database, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr)
        != SQLITE_OK)
        qFatal("Cannot open %s", qPrintable(path));
    sqlite3_busy_timeout(database, 1000);
}

SqliteConnection::~SqliteConnection()
{
    sqlite3_close(database);
}

static void bind(sqlite3_stmt* statement, int position, const QVariant& value)
{
    if (!value.isValid()) {
        sqlite3_bind_null(statement, position);
    } else if (value.typeId() == QMetaType::QString) {
        const QByteArray text = value.toString().toUtf8();
        sqlite3_bind_text(statement, position, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    } else {
        sqlite3_bind_int64(statement, position, value.toLongLong());
    }
}

// Prepares, binds and steps through every row, reading every column in its stored type.
int SqliteConnection::run(const QByteArray& sql, const QVariantList& values)
{
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(database, sql.constData(), int(sql.size()), &statement, nullptr) != SQLITE_OK)
        qFatal("Cannot prepare %s: %s", sql.constData(), sqlite3_errmsg(database));
    for (int i = 0; i < values.size(); ++i)
        bind(statement, i + 1, values.at(i));
    int rows = 0;
    int result;
    while ((result = sqlite3_step(statement)) == SQLITE_ROW) {
        ++rows;
        for (int column = 0; column < sqlite3_column_count(statement); ++column)
            read(statement, column);
    }
    if (result != SQLITE_DONE)
        qFatal("Cannot run %s: %s", sql.constData(), sqlite3_errmsg(database));
    sqlite3_finalize(statement);
    return rows;
}

void SqliteConnection::addToHistory(const Student& student, const Item& item)
{
    run("INSERT INTO history VALUES(?, ?, ?, ?, ?, ?)",
        { QDateTime::currentMSecsSinceEpoch(), student.name(), student.id(), QVariant(), item.name(), item.number() });
}

void SqliteConnection::read(sqlite3_stmt* statement, int column)
{
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
        checksum += sqlite3_column_int64(statement, column);
        break;
    case SQLITE_TEXT:
        checksum += *sqlite3_column_text(statement, column) + sqlite3_column_bytes(statement, column);
        break;
    default:
        break;
    }
}
