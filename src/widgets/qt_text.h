#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <string>
#include <utility>

namespace krellix {

// Text of the core (UTF-8 bytes in practice) for showing, and typed text back to bytes.
inline QString ToQt(const std::string& text) { return QString::fromUtf8(text); }
inline std::string FromQt(const QString& text) { return text.toUtf8().toStdString(); }

// File names: the bytes the file system knows, whatever the locale makes of them.
inline QString PathToQt(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}
inline std::string PathFromQt(const QString& path) { return QFile::encodeName(path).toStdString(); }

// Bytes shown in an edit field: while the shown text is not edited the bytes come back
// unchanged, so a name or separator that is not valid text survives being shown.
struct ShownBytes {
  std::string bytes;
  QString shown;

  QString Show(std::string b) {
    bytes = std::move(b);
    shown = PathToQt(bytes);
    return shown;
  }
  std::string From(const QString& text) const { return text == shown ? bytes : PathFromQt(text); }
};

}  // namespace krellix
