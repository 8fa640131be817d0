// The key map of the main window and the switch for hints.
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>

#include "app/criteria_panel.h"
#include "app/directory_panel.h"
#include "app/main_window.h"
#include "navigation/address_bar.h"

namespace krellix {
namespace {

// Alt+B, "Manage bookmarks".
bool IsManageBookmarksKey(const QKeyEvent* key) {
  return key->key() == Qt::Key_B && (key->modifiers() & ~Qt::KeypadModifier) == Qt::AltModifier;
}

int ModifierCount(Qt::KeyboardModifiers m) {
  return ((m & Qt::ShiftModifier) ? 1 : 0) + ((m & Qt::ControlModifier) ? 1 : 0) +
         ((m & Qt::AltModifier) ? 1 : 0);
}

// A function key the key map acts on: no modifier, or two or more.
bool IsMappedFunctionKey(const QKeyEvent* key) {
  return key->key() >= Qt::Key_F1 && key->key() <= Qt::Key_F12 &&
         ModifierCount(key->modifiers()) != 1;
}

bool HasFocusIn(const QWidget* focus, const QWidget* box) {
  return focus != nullptr && box != nullptr && (focus == box || box->isAncestorOf(focus));
}

}  // namespace

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  // Hints of every window show only while "Show Hints" is on.
  if (event->type() == QEvent::ToolTip && !settings_.ShowHints) return true;
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease ||
      event->type() == QEvent::ShortcutOverride) {
    // Keys work window-wide, but not in the program's dialogs and menus.
    auto* widget = qobject_cast<QWidget*>(watched);
    auto* key = static_cast<QKeyEvent*>(event);
    if (widget == nullptr || !(widget == this || isAncestorOf(widget))) {
      return QMainWindow::eventFilter(watched, event);
    }
    if (event->type() == QEvent::ShortcutOverride) {
      // Alt+B would also open the "&Bookmarks" menu; taken here, it reaches the key map.
      if (!IsManageBookmarksKey(key)) return QMainWindow::eventFilter(watched, event);
      event->accept();
      return true;
    }
    if (event->type() == QEvent::KeyPress) {
      key_press_modifiers_[key->key()] = key->modifiers();
      // The key map's function keys act on release wherever the focus is; the focused control
      // must not also take the press for itself (F4 would open a combo box's list).
      if (IsMappedFunctionKey(key)) return true;
    } else if (!key->isAutoRepeat()) {
      // A key acts with the modifiers held as it went down: Shift let go a moment before the
      // letter still gives Shift+letter.
      const auto pressed = key_press_modifiers_.find(key->key());
      const Qt::KeyboardModifiers modifiers =
          pressed != key_press_modifiers_.end() ? pressed->second : key->modifiers();
      QKeyEvent as_pressed(QEvent::KeyRelease, key->key(), modifiers, key->text());
      const bool used = HandleKeyUp(&as_pressed);
      // An unused release travels on to the parent widgets; the window is the last of them.
      if (used || widget == this) key_press_modifiers_.erase(key->key());
      if (used) return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

bool TForm1::ScanBoxHasFocus() const {
  return HasFocusIn(focusWidget(), criteria_panel_->ScanBox());
}

bool TForm1::TextEntryHasFocus() const {
  QWidget* focus = focusWidget();
  return HasFocusIn(focus, criteria_panel_->ScanBox()) ||
         HasFocusIn(focus, address_bar_->Field());
}

bool TForm1::HandleKeyUp(QKeyEvent* key) {
  const int code = key->key();
  const int modifiers = ModifierCount(key->modifiers());
  if (code == Qt::Key_Escape) {
    engine_.StopCommand();
    return true;
  }
  if (code >= Qt::Key_F1 && code <= Qt::Key_F12) {
    // Exactly one of Shift, Ctrl and Alt leaves the function keys to other uses.
    if (modifiers == 1) return false;
    switch (code) {
      case Qt::Key_F2:
        RefreshDirectories();
        return true;
      case Qt::Key_F3:
        RunScanCommand([this] { engine_.DirAllCommand(); });
        return true;
      case Qt::Key_F4:
        RunScanCommand([this] { engine_.RescanCommand(); });
        return true;
      case Qt::Key_F10:
        ShowStatus("Key has no function");
        return true;
      case Qt::Key_F11:
        ConfigurationCommand();
        return true;
      case Qt::Key_F12:
        ShowInformation();
        return true;
      default:
        return false;
    }
  }
  if (IsManageBookmarksKey(key)) {
    ManageBookmarks();
    return true;
  }
  if (ItemListKeyUp(key)) return true;
  // Shift and a letter is typing where text is typed: the scan string and the address.
  if (key->modifiers() != Qt::ShiftModifier || TextEntryHasFocus()) return false;
  switch (code) {
    case Qt::Key_T:
    case Qt::Key_V:
      directory_panel_->ShowPane(DirPane::kTree);
      return true;
    case Qt::Key_L:
      directory_panel_->ShowPane(DirPane::kList);
      return true;
    case Qt::Key_X:
      directory_panel_->ShowPane(DirPane::kSkip);
      return true;
    default:
      return false;
  }
}

}  // namespace krellix
