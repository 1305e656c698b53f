// A file's bytes, read and written whole.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstddef>

// A string literal's bytes, NULs included.
template<std::size_t N>
QByteArray bytesOf(const char (&literal)[N])
{
    return QByteArray(literal, qsizetype(N - 1));
}

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Creates the file's folder when it is missing.
inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
