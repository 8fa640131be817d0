#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "itemlist/item_entry.h"

namespace krellix {

class ItemList;

// Selects every pair of neighbouring lines whose key field (the field the order sorts by) is
// the same text. Existing selections stay. Does nothing for a list in arrival order.
void SelectSimilar(ItemList& items, ItemOrder order);

// Moves the current line one place up or down and selects it; false at the ends.
bool MoveCurrentUp(ItemList& items);
bool MoveCurrentDown(ItemList& items);

// The clipboard takes at most this many characters of names.
inline constexpr std::size_t kClipboardLimit = 1'048'576;
inline constexpr std::string_view kClipboardTruncated =
    "\r\n::. Clipboard buffer exhausted, list truncated .::\r\n";

struct ClipboardNames {
  bool any = false;             // false: nothing selected, nothing to copy
  std::string text;             // names, each followed by CR LF
  std::int64_t not_copied = 0;  // selected lines left out for lack of room
};

// The names ("Filename to clipboard") or full names ("Path to clipboard") of the selected
// lines. With more than one line selected, names are added in list order while the text holds
// at most kClipboardLimit - 54 characters; the rest are counted and the truncation note is
// appended. With one, the current line's name when it is selected.
ClipboardNames BuildClipboardNames(const ItemList& items, bool full_path);

// "  [" + one letter per attribute bit set (R H S A D V L N T C O) + "]".
std::string AttributeLetters(std::uint32_t attributes);

// "File info...": the number of selected lines and their sizes in Kbytes; just the current
// line when fewer than two are selected and it is; else nothing.
struct SelectionTotals {
  std::int64_t count = 0;
  double kbytes = 0;
};
SelectionTotals TotalsOfSelection(const ItemList& items);

}  // namespace krellix
