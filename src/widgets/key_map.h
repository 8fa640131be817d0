#pragma once

#include <Qt>
#include <span>

namespace krellix {

// Which modifiers a key of the key map wants.
enum class ModifierRule {
  kFunctionKey,  // none, or two or more of Shift, Ctrl and Alt; exactly one leaves the key alone
  kExact,        // exactly the binding's modifiers
  kAny,          // whatever is held
};

// Where the focus may be for a key to act.
enum class KeyScope {
  kWindow,            // anywhere in the main window
  kOutsideTextEntry,  // not where text is typed (scan string box, address bar, rename box)
  kItemList,          // in the item list
};

// One key of a window's key map: the key acts by triggering the command `id` (when that is
// enabled) on key release.
struct KeyBinding {
  int key;
  Qt::KeyboardModifiers modifiers;
  ModifierRule rule;
  KeyScope scope;
  const char* id;
};

// Where the focus is when a key goes up.
struct KeyFocus {
  bool in_text_entry = false;
  bool in_item_list = false;
};

// The first binding of `map` that `key` with `modifiers` (keypad flag ignored) matches at
// `focus`, or nullptr.
const KeyBinding* FindKeyBinding(std::span<const KeyBinding> map, int key,
                                 Qt::KeyboardModifiers modifiers, KeyFocus focus);

// Whether `key` with `modifiers` is one the map acts on somewhere, so that its press must not
// also reach the focused control (F4 would open a combo box's list).
bool IsFunctionKeyOfMap(std::span<const KeyBinding> map, int key, Qt::KeyboardModifiers modifiers);

}  // namespace krellix
