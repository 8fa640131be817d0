// The notification-area (tray) icon: with "Minimize to system tray" on, a minimised window
// leaves the task bar for the tray, and comes back from there.
#include <QEvent>
#include <QMenu>
#include <QStyle>
#include <QSystemTrayIcon>

#include "app/main_window.h"

namespace krellix {

void TForm1::CreateTrayIcon() {
  tray_ = new QSystemTrayIcon(style()->standardIcon(QStyle::SP_ComputerIcon), this);
  tray_->setToolTip(windowTitle());
  tray_menu_ = new QMenu(this);
  tray_menu_->addAction("Restore", this, [this] { RestoreFromTray(); });
  tray_menu_->addAction("Exit", this, [this] { close(); });
  tray_->setContextMenu(tray_menu_);
  connect(tray_, &QSystemTrayIcon::activated, this,
          [this](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick) {
              RestoreFromTray();
            }
          });
}

void TForm1::RestoreFromTray() {
  tray_->hide();
  showNormal();
  raise();
  activateWindow();
}

void TForm1::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange || !settings_.SysTray) return;
  if (isMinimized()) {
    // Without a notification area the window stays in the task bar, where it can be found.
    if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
    tray_->show();
    hide();
  } else {
    tray_->hide();
  }
}

}  // namespace krellix
