#pragma once

#include <QObject>
#include <functional>
#include <span>
#include <unordered_map>

#include "widgets/key_map.h"

class QKeyEvent;
class QWidget;

namespace krellix {

class CommandRegistry;

// Runs a window's key map: watches the keys of `window` and its children (not of other
// windows, dialogs or menus) and, on a key's release, triggers the command of its binding
// while that command is enabled. Install it on the application.
class KeyMapFilter final : public QObject {
 public:
  KeyMapFilter(QWidget* window, std::span<const KeyBinding> map, const CommandRegistry& commands,
               std::function<KeyFocus()> focus);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // True when the key was used.
  bool HandleKeyUp(int key, Qt::KeyboardModifiers modifiers);

  QWidget* window_;
  std::span<const KeyBinding> map_;
  const CommandRegistry& commands_;
  std::function<KeyFocus()> focus_;
  // The modifiers held as each key went down; the map acts on key-up with these.
  std::unordered_map<int, Qt::KeyboardModifiers> pressed_;
};

// Hides every tool tip of the application while `show_hints` answers false, except those of
// widgets whose property "alwaysShowsHint" is true.
class HintSwitch final : public QObject {
 public:
  HintSwitch(std::function<bool()> show_hints, QObject* parent)
      : QObject(parent), show_hints_(std::move(show_hints)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<bool()> show_hints_;
};

}  // namespace krellix
