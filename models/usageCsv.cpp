#include "models/usageCsv.h"

#include "stores/csvFields.h"

#include <QIODevice>

static void appendLine(QString& text, const QStringList& fields)
{
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i)
            text += u',';
        appendCsvField(text, fields.at(i));
    }
    text += QLatin1String("\r\n");
}

bool writeUsageCsv(QIODevice& device, const QList<const UsageTable*>& tables)
{
    QString text(QChar(0xFEFF));
    for (const UsageTable* table : tables) {
        appendLine(text, { table->title });
        appendLine(text, table->headers);
        for (const QList<UsageTable::Cell>& row : table->rows) {
            QStringList fields;
            for (const UsageTable::Cell& cell : row)
                fields.append(cell.text);
            appendLine(text, fields);
        }
        text += QLatin1String("\r\n");
    }
    const QByteArray bytes = text.toUtf8();
    return device.write(bytes) == bytes.size();
}
