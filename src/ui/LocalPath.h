// Paths cross between Qt and the toolkit-free layers as the bytes the file
// system takes: the local 8-bit names on POSIX, and UTF-8 on Windows, where
// the file code turns them into wide names (Qt's local 8-bit there is the
// ANSI code page, which has no room for most names).
#pragma once

#include <QFile>
#include <QString>

#include <string>

namespace glyphora {

#ifdef _WIN32
inline std::string ToLocalPath(const QString& path) { return path.toUtf8().toStdString(); }
inline QString FromLocalPath(const std::string& path) { return QString::fromStdString(path); }
#else
inline std::string ToLocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }
inline QString FromLocalPath(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }
#endif

}  // namespace glyphora
