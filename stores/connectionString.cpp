#include "stores/connectionString.h"

#include <libpq-fe.h>

#include <memory>

std::optional<QStringList> connectionKeywords(const QString& connection)
{
    char* error = nullptr;
    const std::unique_ptr<PQconninfoOption, decltype(&PQconninfoFree)> options(
        PQconninfoParse(connection.toUtf8().constData(), &error), &PQconninfoFree);
    PQfreemem(error);
    if (!options)
        return std::nullopt;
    QStringList keywords;
    for (const PQconninfoOption* option = options.get(); option->keyword; ++option)
        if (option->val)
            keywords.append(QString::fromUtf8(option->keyword));
    return keywords;
}

bool isConnectionUri(const QString& connection)
{
    // The two prefixes libpq takes for a URI.
    return connection.startsWith(QLatin1String("postgresql://")) || connection.startsWith(QLatin1String("postgres://"));
}
