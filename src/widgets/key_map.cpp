#include "widgets/key_map.h"

namespace krellix {
namespace {

constexpr Qt::KeyboardModifiers kCounted =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;

int ModifierCount(Qt::KeyboardModifiers m) {
  return ((m & Qt::ShiftModifier) ? 1 : 0) + ((m & Qt::ControlModifier) ? 1 : 0) +
         ((m & Qt::AltModifier) ? 1 : 0);
}

bool ModifiersMatch(const KeyBinding& b, Qt::KeyboardModifiers held) {
  switch (b.rule) {
    case ModifierRule::kFunctionKey:
      return ModifierCount(held) != 1;
    case ModifierRule::kExact:
      return (held & kCounted) == (b.modifiers & kCounted);
    case ModifierRule::kAny:
      return true;
  }
  return false;
}

bool ScopeMatches(KeyScope scope, KeyFocus focus) {
  switch (scope) {
    case KeyScope::kWindow:
      return true;
    case KeyScope::kOutsideTextEntry:
      return !focus.in_text_entry;
    case KeyScope::kItemList:
      return focus.in_item_list;
  }
  return false;
}

}  // namespace

const KeyBinding* FindKeyBinding(std::span<const KeyBinding> map, int key,
                                 Qt::KeyboardModifiers modifiers, KeyFocus focus) {
  for (const KeyBinding& b : map) {
    if (b.key == key && ModifiersMatch(b, modifiers) && ScopeMatches(b.scope, focus)) return &b;
  }
  return nullptr;
}

bool IsFunctionKeyOfMap(std::span<const KeyBinding> map, int key, Qt::KeyboardModifiers modifiers) {
  for (const KeyBinding& b : map) {
    if (b.key == key && b.rule == ModifierRule::kFunctionKey && ModifiersMatch(b, modifiers)) {
      return true;
    }
  }
  return false;
}

}  // namespace krellix
