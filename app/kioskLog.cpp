#include "app/kioskLog.h"

#include <QDateTime>
#include <QRegularExpression>

#include <cstdio>

QString withoutSecrets(QString message)
{
    // A failed statement may quote the values it was given, a connection
    // string its password, and PostgreSQL every column of a refused row.
    static const QRegularExpression hash(QStringLiteral("\\$argon2(id|i|d)\\$[A-Za-z0-9+/=,$]*"));
    static const QRegularExpression password(
        QStringLiteral("(password\\s*=\\s*)('[^']*'|[^\\s']+)"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression uriPassword(QStringLiteral("(://[^:/@\\s]*:)[^@\\s]*@"));
    static const QRegularExpression failingRow(QStringLiteral("(Failing row contains )\\(.*\\)"));
    message.replace(hash, QStringLiteral("[hash]"));
    message.replace(password, QStringLiteral("\\1[hidden]"));
    message.replace(uriPassword, QStringLiteral("\\1[hidden]@"));
    message.replace(failingRow, QStringLiteral("\\1(...)"));
    return message;
}

static const char* levelName(QtMsgType type)
{
    switch (type) {
    case QtDebugMsg:
        return "debug";
    case QtInfoMsg:
        return "info";
    case QtWarningMsg:
        return "warning";
    case QtCriticalMsg:
        return "critical";
    case QtFatalMsg:
        return "fatal";
    }
    return "message";
}

static void writeLine(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    // With the offset from UTC, which tells the hours of a change of time apart.
    const QDateTime now = QDateTime::currentDateTime();
    const QString line = QStringLiteral("%1 %2: %3\n")
                             .arg(now.toOffsetFromUtc(now.offsetFromUtc()).toString(Qt::ISODateWithMs),
                                 QLatin1String(levelName(type)), withoutSecrets(message));
    std::fputs(line.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

void installKioskLog()
{
    qInstallMessageHandler(writeLine);
}
