#pragma once

#include <QObject>
#include <functional>

class QMainWindow;
class QMenu;
class QSystemTrayIcon;

namespace krellix {

// The notification-area (tray) icon of a main window: while `enabled` says so, a minimised
// window leaves the task bar for the tray and comes back from there by a click, a double
// click or the menu's "Restore"; the menu's "Exit" closes the window.
class TrayIcon final : public QObject {
 public:
  TrayIcon(QMainWindow* window, std::function<bool()> enabled);

  QMenu* Menu() const { return menu_; }

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Restore();

  QMainWindow* window_;
  std::function<bool()> enabled_;
  QSystemTrayIcon* tray_;
  QMenu* menu_;
};

}  // namespace krellix
