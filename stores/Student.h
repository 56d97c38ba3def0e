#ifndef STUDENT_H
#define STUDENT_H

#include <QString>

class QDataStream;

/// A student of the school. A null password means none is registered yet,
/// which is distinct from a registered empty password.
class Student
{
public:
    Student() = default;
    Student(QString name, QString id, QString password);

    const QString& name() const { return m_name; }
    const QString& id() const { return m_id; }
    const QString& password() const { return m_password; }
    void setPassword(const QString& password) { m_password = password; }

    /// "name (id)": how a student is shown, and what history searches match.
    QString toString() const;

    bool operator==(const Student& other) const;
    bool operator!=(const Student& other) const { return !(*this == other); }

private:
    QString m_name;
    QString m_id;
    QString m_password;
};

// Only relocatable members: a growing QList moves it without copying.
Q_DECLARE_TYPEINFO(Student, Q_RELOCATABLE_TYPE);

QDataStream& operator<<(QDataStream& stream, const Student& student);
QDataStream& operator>>(QDataStream& stream, Student& student);

#endif
