#pragma once

// Conversions between the toolkit's texts (UTF-8 std::string), file paths
// (bytes as the file system holds them) and Qt's strings. Toolkit-internal.
#include <QFile>
#include <QString>

#include <string>

namespace tk {

inline QString toQt(const std::string& text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }
inline std::string fromQt(const QString& text) { return text.toUtf8().toStdString(); }
inline QString pathToQt(const std::string& path) {
    return QFile::decodeName(QByteArray(path.data(), qsizetype(path.size())));
}
inline std::string pathFromQt(const QString& path) { return QFile::encodeName(path).toStdString(); }

} // namespace tk
