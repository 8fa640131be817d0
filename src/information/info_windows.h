#pragma once

#include <QDialog>
#include <vector>

#include "information/information.h"

namespace krellix {

// A small read-only window of caption and value lines that closes on a click in it or a key.
class InfoWindow : public QDialog {
  Q_OBJECT

 public:
  enum class CloseOn { kKeyPress, kKeyRelease };

  InfoWindow(const QString& title, const std::vector<InfoLine>& lines, CloseOn close_on,
             QWidget* parent);

  // The whole text of the line with `caption`: caption and value; null when there is none.
  QString LineText(const QString& caption) const;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  std::vector<InfoLine> lines_;
  CloseOn close_on_;
  // Only a key pressed while the window is open closes it on release: the release of the key
  // that opened it must not.
  bool key_down_ = false;
};

// "File info": the number and total size of the selected items.
class FileInfoWindow final : public InfoWindow {
  Q_OBJECT

 public:
  FileInfoWindow(const std::vector<InfoLine>& lines, QWidget* parent)
      : InfoWindow("File info", lines, CloseOn::kKeyPress, parent) {}
};

// "Drive info": the label, total and free space of the current drive.
class DriveInfoWindow final : public InfoWindow {
  Q_OBJECT

 public:
  DriveInfoWindow(const std::vector<InfoLine>& lines, QWidget* parent)
      : InfoWindow("Drive info", lines, CloseOn::kKeyRelease, parent) {}
};

}  // namespace krellix
