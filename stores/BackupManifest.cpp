#include "stores/BackupManifest.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

static const char* const StateNames[] = { "unverified", "good", "bad" };

const BackupManifest::File* BackupManifest::file(const QString& name) const
{
    for (const File& each : files)
        if (each.name == name)
            return &each;
    return nullptr;
}

bool BackupManifest::save(const QString& fileName) const
{
    QJsonArray fileArray;
    for (const File& each : files)
        fileArray.append(QJsonObject { { "name", each.name }, { "sha256", QString::fromLatin1(each.sha256) },
            { "rows", each.rows }, { "schema", each.schema } });
    const QJsonObject root { { "release", release }, { "moment", moment.toString(Qt::ISODateWithMs) },
        { "reason", reason }, { "state", QLatin1String(StateNames[int(state)]) }, { "problem", problem },
        { "files", fileArray } };
    QSaveFile out(fileName);
    return out.open(QIODevice::WriteOnly) && out.write(QJsonDocument(root).toJson()) >= 0 && out.commit();
}

BackupManifest BackupManifest::load(const QString& fileName)
{
    BackupManifest manifest;
    QFile in(fileName);
    if (!in.open(QIODevice::ReadOnly))
        return manifest;
    const QJsonObject root = QJsonDocument::fromJson(in.readAll()).object();
    manifest.release = root.value("release").toString();
    manifest.moment = QDateTime::fromString(root.value("moment").toString(), Qt::ISODateWithMs);
    manifest.reason = root.value("reason").toString();
    const QString state = root.value("state").toString();
    manifest.state = state == QLatin1String("good") ? State::Good
        : state == QLatin1String("bad")             ? State::Bad
                                                    : State::Unverified;
    manifest.problem = root.value("problem").toString();
    for (const QJsonValue& value : root.value("files").toArray()) {
        const QJsonObject object = value.toObject();
        manifest.files.append({ object.value("name").toString(), object.value("sha256").toString().toLatin1(),
            qint64(object.value("rows").toDouble()), object.value("schema").toInt(-1) });
    }
    return manifest;
}
