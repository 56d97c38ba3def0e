#ifndef NAMEDCHILD_H
#define NAMEDCHILD_H

#include <QObject>
#include <QString>

/// The child of \a parent with that object name. A missing one ends the run at
/// once: every later step of the test would only crash on it.
template <typename T> T* namedChild(const QObject* parent, const QString& name)
{
    T* child = parent->findChild<T*>(name);
    if (!child)
        qFatal("No %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return child;
}

#endif
