#include "widgets/key_map_filter.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

#include "widgets/command_registry.h"

namespace krellix {
namespace {

// A key with Alt that the map takes exactly (Alt+B) would also open the menu of that mnemonic.
bool IsAltKeyOfMap(std::span<const KeyBinding> map, const QKeyEvent* key) {
  const Qt::KeyboardModifiers held = key->modifiers() & ~Qt::KeypadModifier;
  for (const KeyBinding& b : map) {
    if (b.key == key->key() && b.rule == ModifierRule::kExact && (b.modifiers & Qt::AltModifier) &&
        held == b.modifiers) {
      return true;
    }
  }
  return false;
}

}  // namespace

KeyMapFilter::KeyMapFilter(QWidget* window, std::span<const KeyBinding> map,
                           const CommandRegistry& commands, std::function<KeyFocus()> focus)
    : QObject(window), window_(window), map_(map), commands_(commands), focus_(std::move(focus)) {}

bool KeyMapFilter::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride) {
    return false;
  }
  // Keys work window-wide, but not in the program's dialogs and menus.
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || !(widget == window_ || window_->isAncestorOf(widget))) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (type == QEvent::ShortcutOverride) {
    // Taken here, the key reaches the map instead of the menu bar.
    if (!IsAltKeyOfMap(map_, key)) return false;
    event->accept();
    return true;
  }
  if (type == QEvent::KeyPress) {
    pressed_[key->key()] = key->modifiers();
    // The map's function keys act on release wherever the focus is; the focused control must
    // not also take the press for itself (F4 would open a combo box's list).
    return IsFunctionKeyOfMap(map_, key->key(), key->modifiers());
  }
  if (key->isAutoRepeat()) return false;
  // A key acts with the modifiers held as it went down: Shift let go a moment before the
  // letter still gives Shift+letter.
  const auto pressed = pressed_.find(key->key());
  const Qt::KeyboardModifiers modifiers =
      pressed != pressed_.end() ? pressed->second : key->modifiers();
  const bool used = HandleKeyUp(key->key(), modifiers);
  // An unused release travels on to the parent widgets; the window is the last of them.
  if (used || widget == window_) pressed_.erase(key->key());
  return used;
}

bool KeyMapFilter::HandleKeyUp(int key, Qt::KeyboardModifiers modifiers) {
  KeyFocus focus = focus_();
  // What is typed into any text field of the window (the rename box, say) stays there.
  const auto* line = qobject_cast<const QLineEdit*>(QApplication::focusWidget());
  if (line != nullptr && !line->isReadOnly()) focus.in_text_entry = true;
  const KeyBinding* binding = FindKeyBinding(map_, key, modifiers, focus);
  if (binding == nullptr) return false;
  QAction* command = commands_.Find(binding->id);
  if (command == nullptr) return false;
  if (command->isEnabled()) command->trigger();
  return true;
}

bool HintSwitch::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ToolTip && !show_hints_() &&
      !watched->property(kAlwaysHint).toBool()) {
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace krellix
