#ifndef CONNECTIONSTRING_H
#define CONNECTIONSTRING_H

#include <QStringList>

#include <optional>

// libpq connection strings ("host=db dbname=brindlow user=kiosk", or a URI),
// read by libpq itself so that quoting and spacing mean what they mean to it.

/// The keywords \a connection gives a value to; nothing when libpq cannot read it.
std::optional<QStringList> connectionKeywords(const QString& connection);

/// Whether \a connection is a URI ("postgresql://...") rather than keywords.
bool isConnectionUri(const QString& connection);

#endif
