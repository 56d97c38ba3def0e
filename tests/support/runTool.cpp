#include "support/runTool.h"

#include <QProcess>
#include <QTest>

QString runTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60'000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        const QByteArray message
            = (program + " failed: " + process.errorString()).toUtf8() + process.readAllStandardError();
        QTest::qFail(message.constData(), __FILE__, __LINE__);
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}
