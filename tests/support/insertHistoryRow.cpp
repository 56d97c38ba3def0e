#include "support/insertHistoryRow.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

void insertHistoryRow(const QDateTime& moment, const Student& student, const Item& item)
{
    QSqlQuery query(QSqlDatabase::database(QStringLiteral("history")));
    query.prepare(QStringLiteral("INSERT INTO history VALUES (?, ?, ?, ?, ?, ?)"));
    query.addBindValue(moment.toMSecsSinceEpoch());
    query.addBindValue(student.name());
    query.addBindValue(student.id());
    query.addBindValue(student.password());
    query.addBindValue(item.name());
    query.addBindValue(item.number());
    if (!query.exec())
        qFatal("Cannot insert a history row: %s", qPrintable(query.lastError().text()));
}
