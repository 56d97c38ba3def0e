#include "stores/Student.h"

#include <QDataStream>

Student::Student(QString name, QString id, QString password)
    : m_name(std::move(name))
    , m_id(std::move(id))
    , m_password(std::move(password))
{
}

QString Student::toString() const
{
    return m_name + QLatin1String(" (") + m_id + QLatin1Char(')');
}

bool Student::operator==(const Student& other) const
{
    // isNull() takes part: an unregistered password differs from an empty one.
    return m_name == other.m_name && m_id == other.m_id && m_password == other.m_password
        && m_password.isNull() == other.m_password.isNull();
}

QDataStream& operator<<(QDataStream& stream, const Student& student)
{
    return stream << student.name() << student.id() << student.password();
}

// A string that cannot be read in full is null. Qt 6 yields an empty string
// when the length prefix itself is cut off, and an empty password would count
// as registered, so the stream's status decides.
static QString readString(QDataStream& stream)
{
    QString text;
    stream >> text;
    return stream.status() == QDataStream::Ok ? text : QString();
}

QDataStream& operator>>(QDataStream& stream, Student& student)
{
    const QString name = readString(stream);
    const QString id = readString(stream);
    const QString password = readString(stream);
    student = Student(name, id, password);
    return stream;
}
