// Paths cross between Qt and the toolkit-free layers as the bytes the file
// system takes.
#pragma once

#include <QFile>
#include <QString>

#include <string>

namespace glyphora {

inline std::string ToLocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }
inline QString FromLocalPath(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

}  // namespace glyphora
