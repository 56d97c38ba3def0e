#ifndef NAMEDCHILD_H
#define NAMEDCHILD_H

#include <QAbstractItemModel>
#include <QObject>
#include <QStringList>

/// The child of \a parent with that object name. A missing one ends the run at
/// once: every later step of the test would only crash on it.
template <typename T> T* namedChild(const QObject* parent, const char* name)
{
    T* child = parent->findChild<T*>(QLatin1String(name));
    if (!child)
        qFatal("No %s named %s", T::staticMetaObject.className(), name);
    return child;
}

/// The display texts of one column of a flat model, top to bottom.
QStringList columnTexts(const QAbstractItemModel* model, int column);

#endif
