#ifndef KIOSKLOG_H
#define KIOSKLOG_H

#include <QString>

/// Sends the program's messages to standard error, one line each with its
/// moment and level, so that the journal of the kiosk's session holds them.
void installKioskLog();

/// \a message with password hashes, passwords and the rows a database quotes
/// in its errors blanked out.
QString withoutSecrets(QString message);

#endif
