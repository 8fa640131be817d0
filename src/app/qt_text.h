#pragma once

#include <QFile>
#include <QString>
#include <string>

namespace krellix {

// Text of the core (UTF-8 bytes in practice) for showing, and typed text back to bytes.
inline QString ToQt(const std::string& text) { return QString::fromUtf8(text); }
inline std::string FromQt(const QString& text) { return text.toUtf8().toStdString(); }

// File names: the bytes the file system knows, whatever the locale makes of them.
inline QString PathToQt(const std::string& path) { return QFile::decodeName(path.c_str()); }
inline std::string PathFromQt(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace krellix
