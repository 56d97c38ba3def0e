#ifndef PASSWORDHASH_H
#define PASSWORDHASH_H

#include <QString>

// Passwords are kept only as salted Argon2id hashes ("$argon2id$v=19$m=...").
// A stored password that is not such a hash is a plain password left by an
// older release; it still counts until it is replaced by its hash.

/// The hash of \a password, salted afresh; a null string when it cannot be
/// made (out of memory).
QString hashPassword(const QString& password);

/// Whether \a stored is a hash rather than a plain password of an older release.
bool isPasswordHash(const QString& stored);

/// Whether \a typed is the password \a stored holds, hashed or plain. A damaged
/// hash matches nothing.
bool passwordMatches(const QString& stored, const QString& typed);

/// The hash to keep from now on in place of \a stored, which \a typed has just
/// matched: for a plain password of an older release, or a hash of another
/// cost; null when \a stored is a hash of this release's cost.
QString renewedHash(const QString& stored, const QString& typed);

#endif
