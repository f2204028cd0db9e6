// Paths cross between Qt and the toolkit-free layers as the bytes the file
// system takes: the local 8-bit names on POSIX, and UTF-8 on Windows, where
// the file code turns them into wide names (Qt's local 8-bit there is the
// ANSI code page, which has no room for most names).
#pragma once

#include <SystemPaths.h>

#include <QFile>
#include <QString>

#include <string>

namespace glyphora {

inline std::string ToLocalPath(const QString& path) {
    return (PathsAreUtf8() ? path.toUtf8() : QFile::encodeName(path)).toStdString();
}
inline QString FromLocalPath(const std::string& path) {
    return PathsAreUtf8() ? QString::fromStdString(path) : QFile::decodeName(QByteArray::fromStdString(path));
}

}  // namespace glyphora
