#include "stores/passwordHash.h"

#include <QByteArray>
#include <QRegularExpression>
#include <QtEndian>

#include <sodium.h>

// OWASP's minimum for Argon2id (19 MiB, two passes, one lane): one check
// takes about 35 ms on a school PC, which a sign-out hardly notices, while a
// guesser with a copy of the files gets a few dozen guesses a second per core.
static constexpr unsigned long long Passes = 2;
static constexpr size_t Memory = 19 * 1024 * 1024;

static bool sodiumReady()
{
    // Thread-safe once, and safe to repeat.
    static const bool ready = sodium_init() >= 0;
    return ready;
}

// The UTF-16 code units as they are: UTF-8 would turn every lone surrogate
// into the same replacement character and so make two passwords one.
static QByteArray passwordBytes(const QString& password)
{
    QByteArray bytes(password.size() * qsizetype(sizeof(char16_t)), Qt::Uninitialized);
    qToLittleEndian<char16_t>(password.utf16(), password.size(), bytes.data());
    return bytes;
}

QString hashPassword(const QString& password)
{
    char hash[crypto_pwhash_STRBYTES];
    const QByteArray bytes = passwordBytes(password);
    if (!sodiumReady()
        || crypto_pwhash_str_alg(
               hash, bytes.constData(), size_t(bytes.size()), Passes, Memory, crypto_pwhash_ALG_ARGON2ID13)
            != 0)
        return QString();
    return QString::fromLatin1(hash);
}

bool isPasswordHash(const QString& stored)
{
    return stored.startsWith(QLatin1String(crypto_pwhash_argon2id_STRPREFIX));
}

// A damaged or forged hash could ask for any cost, gigabytes or hours: one
// beyond these is refused without being computed. Below them a hash of
// another release's cost still counts, and is made anew at this one's.
static constexpr qint64 MaxPasses = 10;
static constexpr qint64 MaxMemoryKiB = 256 * 1024;

static bool affordable(const QString& hash)
{
    static const QRegularExpression cost(QStringLiteral("^\\$argon2id\\$v=19\\$m=(\\d{1,9}),t=(\\d{1,9}),p=1\\$"));
    const QRegularExpressionMatch match = cost.match(hash);
    return match.hasMatch() && match.captured(1).toLongLong() <= MaxMemoryKiB
        && match.captured(2).toLongLong() <= MaxPasses;
}

bool passwordMatches(const QString& stored, const QString& typed)
{
    if (!isPasswordHash(stored))
        return stored == typed;
    const QByteArray hash = stored.toUtf8();
    const QByteArray bytes = passwordBytes(typed);
    return sodiumReady() && affordable(stored)
        && crypto_pwhash_str_verify(hash.constData(), bytes.constData(), size_t(bytes.size())) == 0;
}

QString renewedHash(const QString& stored, const QString& typed)
{
    const bool current = isPasswordHash(stored) && sodiumReady()
        && crypto_pwhash_str_needs_rehash(stored.toUtf8().constData(), Passes, Memory) == 0;
    return current ? QString() : hashPassword(typed);
}
