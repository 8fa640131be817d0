// The key map of the main window and the switch for hints.
#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>

#include "app/criteria_panel.h"
#include "app/list_panel.h"
#include "app/main_window.h"
#include "itemlist/item_list_view.h"
#include "navigation/address_bar.h"
#include "navigation/directory_panel.h"
#include "widgets/key_map.h"

namespace krellix {
namespace {

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;
constexpr ModifierRule kFn = ModifierRule::kFunctionKey;
constexpr ModifierRule kExact = ModifierRule::kExact;

// The key map of the main window. Keys act on release, through their command, and only while
// that command is enabled.
constexpr KeyBinding kKeyMap[] = {
    {Qt::Key_Escape, kNone, ModifierRule::kAny, KeyScope::kWindow, "scan.stop"},
    {Qt::Key_F1, kNone, kFn, KeyScope::kWindow, "help.topics"},
    {Qt::Key_F2, kNone, kFn, KeyScope::kWindow, "tree.refresh"},
    {Qt::Key_F3, kNone, kFn, KeyScope::kWindow, "scan.dir_all"},
    {Qt::Key_F4, kNone, kFn, KeyScope::kWindow, "scan.rescan"},
    {Qt::Key_F5, kNone, kFn, KeyScope::kWindow, "items.copy"},
    {Qt::Key_F6, kNone, kFn, KeyScope::kWindow, "items.move"},
    {Qt::Key_F7, kNone, kFn, KeyScope::kWindow, "items.rename"},
    {Qt::Key_F8, kNone, kFn, KeyScope::kWindow, "items.delete"},
    {Qt::Key_F9, kNone, kFn, KeyScope::kWindow, "items.purge"},
    {Qt::Key_F10, kNone, kFn, KeyScope::kWindow, "keys.no_function"},
    {Qt::Key_F11, kNone, kFn, KeyScope::kWindow, "options.configuration"},
    {Qt::Key_F12, kNone, kFn, KeyScope::kWindow, "info.show"},
    {Qt::Key_B, Qt::AltModifier, kExact, KeyScope::kWindow, "bookmarks.manage"},
    {Qt::Key_Delete, kNone, kExact, KeyScope::kItemList, "items.delete"},
    {Qt::Key_Delete, kShift, kExact, KeyScope::kItemList, "items.purge"},
    {Qt::Key_U, kShift, kExact, KeyScope::kItemList, "items.move_up"},
    {Qt::Key_D, kShift, kExact, KeyScope::kItemList, "items.move_down"},
    {Qt::Key_T, kShift, kExact, KeyScope::kOutsideTextEntry, "pane.tree"},
    {Qt::Key_V, kShift, kExact, KeyScope::kOutsideTextEntry, "pane.tree"},
    {Qt::Key_L, kShift, kExact, KeyScope::kOutsideTextEntry, "pane.list"},
    {Qt::Key_X, kShift, kExact, KeyScope::kOutsideTextEntry, "pane.skip"},
};

// Alt+B, "Manage bookmarks".
bool IsManageBookmarksKey(const QKeyEvent* key) {
  return key->key() == Qt::Key_B && (key->modifiers() & ~Qt::KeypadModifier) == Qt::AltModifier;
}

bool HasFocusIn(const QWidget* focus, const QWidget* box) {
  return focus != nullptr && box != nullptr && (focus == box || box->isAncestorOf(focus));
}

}  // namespace

void MainWindow::RegisterKeyCommands() {
  CommandRegistry& r = commands_;
  r.Add("scan.rescan", "Scan", {}, [this] { RunScanCommand([this] { engine_.RescanCommand(); }); });
  r.Add("keys.no_function", "Key has no function", {},
        [this] { ShowStatus("Key has no function"); });
  r.Add("pane.tree", "Tree", {}, [this] { directory_panel_->ShowPane(DirPane::kTree); });
  r.Add("pane.list", "List", {}, [this] { directory_panel_->ShowPane(DirPane::kList); });
  r.Add("pane.skip", "Skip", {}, [this] { directory_panel_->ShowPane(DirPane::kSkip); });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
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
      if (IsFunctionKeyOfMap(kKeyMap, key->key(), key->modifiers())) return true;
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

bool MainWindow::ScanBoxHasFocus() const {
  return HasFocusIn(focusWidget(), criteria_panel_->ScanBox());
}

bool MainWindow::TextEntryHasFocus() const {
  QWidget* focus = focusWidget();
  return HasFocusIn(focus, criteria_panel_->ScanBox()) || HasFocusIn(focus, address_bar_->Field());
}

bool MainWindow::HandleKeyUp(QKeyEvent* key) {
  KeyFocus focus;
  focus.in_text_entry = TextEntryHasFocus();
  focus.in_item_list = focusWidget() == list_panel_->ItemView();
  const KeyBinding* binding = FindKeyBinding(kKeyMap, key->key(), key->modifiers(), focus);
  if (binding == nullptr) return false;
  QAction* command = commands_.Find(binding->id);
  if (command == nullptr) return false;
  if (command->isEnabled()) command->trigger();
  return true;
}

}  // namespace krellix
