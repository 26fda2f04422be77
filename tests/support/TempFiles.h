#pragma once
// Small file helpers for tests that write and read files.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

inline void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write test file %s", qPrintable(path));
}

inline QByteArray ReadBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The line ending of files the program creates.
inline QByteArray NativeEol()
{
#ifdef Q_OS_WIN
    return "\r\n";
#else
    return "\n";
#endif
}
