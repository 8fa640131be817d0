#include "widgets/tray_icon.h"

#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QStyle>
#include <QSystemTrayIcon>

namespace krellix {

TrayIcon::TrayIcon(QMainWindow* window, std::function<bool()> enabled)
    : QObject(window),
      window_(window),
      enabled_(std::move(enabled)),
      tray_(new QSystemTrayIcon(window->style()->standardIcon(QStyle::SP_ComputerIcon), window)),
      menu_(new QMenu(window)) {
  tray_->setToolTip(window->windowTitle());
  menu_->addAction("Restore", this, [this] { Restore(); });
  menu_->addAction("Exit", window, [window] { window->close(); });
  tray_->setContextMenu(menu_);
  connect(tray_, &QSystemTrayIcon::activated, this,
          [this](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick) {
              Restore();
            }
          });
  window->installEventFilter(this);
}

void TrayIcon::Restore() {
  tray_->hide();
  window_->showNormal();
  window_->raise();
  window_->activateWindow();
}

bool TrayIcon::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_ && event->type() == QEvent::WindowStateChange && enabled_()) {
    if (window_->isMinimized()) {
      // Without a notification area the window stays in the task bar, where it can be found.
      if (QSystemTrayIcon::isSystemTrayAvailable()) {
        tray_->show();
        window_->hide();
      }
    } else {
      tray_->hide();
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace krellix
