#ifndef FILEACCESS_H
#define FILEACCESS_H

#include <QDataStream>
#include <QFile>

#include <utility>

// Readers and writers of file formats never open or close files themselves:
// they are handed to these helpers, which return (whether the file could be
// opened, what the callable returned).

template <typename Callable>
auto withFile(const QString& fileName, QIODevice::OpenMode openMode, Callable callable)
    -> std::pair<bool, decltype(callable(std::declval<QFile&>()))>
{
    using Result = decltype(callable(std::declval<QFile&>()));
    QFile file(fileName);
    if (!file.open(openMode))
        return { false, Result() };
    Result result = callable(file);
    file.close();
    return { true, std::move(result) };
}

template <typename Callable>
auto withDataStream(const QString& fileName, QIODevice::OpenMode openMode, Callable callable)
{
    return withFile(fileName, openMode, [&callable](QFile& file) {
        QDataStream stream(&file);
        return callable(stream);
    });
}

#endif
