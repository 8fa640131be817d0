#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QVBoxLayout;

namespace krellix {

// The floating preview window "Krellix - View": a top line with a centred caption (the picture
// size) and "StayOnTop", over the preview pane's bar and display, which it borrows while the
// pane floats. It has no close box: "Dock" closes it; closing it otherwise docks as well.
class PreviewWindow final : public QWidget {
  Q_OBJECT

 public:
  explicit PreviewWindow(QWidget* parent = nullptr);

  // Shows `body` (the pane's bar and display) at the place the window had last time.
  void Open(QWidget* body);
  // Hides the window, keeping its place; the body goes back to its owner.
  void Close();
  void SetCaption(const QString& text);
  QString Caption() const;

 signals:
  // The window manager asked to close the window.
  void dockRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QLabel* caption_ = nullptr;
  QCheckBox* stay_on_top_ = nullptr;
  QVBoxLayout* layout_ = nullptr;
  QByteArray place_;
};

}  // namespace krellix
