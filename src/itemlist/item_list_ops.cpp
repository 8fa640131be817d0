#include "itemlist/item_list_ops.h"

#include <array>

#include "itemlist/item_list.h"
#include "platform/number_text.h"
#include "platform/unicode_text.h"

namespace krellix {
namespace {

double SizeKbytes(std::string_view size) {
  return static_cast<double>(ParseDigits<std::int64_t>(size).value_or(0)) / 1024.0;
}

std::string NameFor(const ItemList& items, std::size_t i, bool full_path) {
  const ItemFieldViews f = items.Fields(i);
  return full_path ? f.Filename() : std::string(f.File);
}

// The key field of "Select Similar" under each order.
std::string_view KeyField(const ItemFieldViews& f, ItemOrder order) {
  switch (order) {
    case ItemOrder::kPath:
    case ItemOrder::kArrival:
      return f.Path;
    case ItemOrder::kFile:
      return f.File;
    case ItemOrder::kSize:
      return f.Size;
    case ItemOrder::kDate:
      break;
  }
  return f.Date;
}

}  // namespace

void SelectSimilar(ItemList& items, ItemOrder order) {
  if (order == ItemOrder::kArrival) return;
  for (std::size_t i = 1; i < items.Count(); ++i) {
    // Lines that are no items have no key to share.
    if (!items.IsItem(i) || !items.IsItem(i - 1)) continue;
    if (KeyField(items.Fields(i), order) == KeyField(items.Fields(i - 1), order)) {
      items.SetSelected(i - 1, true);
      items.SetSelected(i, true);
    }
  }
}

bool MoveCurrentUp(ItemList& items) {
  const std::int64_t cur = items.Current();
  if (cur <= 0 || cur >= static_cast<std::int64_t>(items.Count())) return false;
  items.Swap(static_cast<std::size_t>(cur), static_cast<std::size_t>(cur - 1));
  items.SetCurrent(cur - 1);
  items.SetSelected(static_cast<std::size_t>(cur - 1), true);
  return true;
}

bool MoveCurrentDown(ItemList& items) {
  const std::int64_t cur = items.Current();
  if (cur < 0 || cur + 1 >= static_cast<std::int64_t>(items.Count())) return false;
  items.Swap(static_cast<std::size_t>(cur), static_cast<std::size_t>(cur + 1));
  items.SetCurrent(cur + 1);
  items.SetSelected(static_cast<std::size_t>(cur + 1), true);
  return true;
}

ClipboardNames BuildClipboardNames(const ItemList& items, bool full_path) {
  ClipboardNames out;
  if (items.SelectedCount() > 1) {
    out.any = true;
    // The limit counts characters, as the clipboard does, not the bytes of their encoding.
    const std::size_t room = kClipboardLimit - kClipboardTruncated.size();
    std::size_t chars = 0;
    for (std::size_t i = 0; i < items.Count(); ++i) {
      if (!items.Selected(i) || !items.IsItem(i)) continue;
      if (chars <= room) {
        const std::string name = NameFor(items, i, full_path);
        chars += unicode::CharCount(name) + 2;
        out.text += name;
        out.text += "\r\n";
      } else {
        ++out.not_copied;
      }
    }
    if (out.not_copied > 0) {
      out.text += kClipboardTruncated;
      chars += kClipboardTruncated.size();
    }
    if (chars > kClipboardLimit) out.text.resize(unicode::CharBoundary(out.text, kClipboardLimit));
    return out;
  }
  const std::int64_t cur = items.Current();
  if (cur >= 0 && cur < static_cast<std::int64_t>(items.Count()) &&
      items.Selected(static_cast<std::size_t>(cur)) &&
      items.IsItem(static_cast<std::size_t>(cur))) {
    out.any = true;
    out.text = NameFor(items, static_cast<std::size_t>(cur), full_path) + "\r\n";
  }
  return out;
}

std::string AttributeLetters(std::uint32_t a) {
  static constexpr std::array<std::pair<std::uint32_t, char>, 11> kLetters{{{0x01, 'R'},
                                                                            {0x02, 'H'},
                                                                            {0x04, 'S'},
                                                                            {0x20, 'A'},
                                                                            {0x10, 'D'},
                                                                            {0x08, 'V'},
                                                                            {0x40, 'L'},
                                                                            {0x80, 'N'},
                                                                            {0x100, 'T'},
                                                                            {0x800, 'C'},
                                                                            {0x1000, 'O'}}};
  std::string s = "  [";
  for (const auto& [bit, letter] : kLetters) {
    if (a & bit) s.push_back(letter);
  }
  s.push_back(']');
  return s;
}

SelectionTotals TotalsOfSelection(const ItemList& items) {
  SelectionTotals t;
  if (items.SelectedCount() > 1) {
    for (std::size_t i = 0; i < items.Count(); ++i) {
      if (!items.Selected(i) || !items.IsItem(i)) continue;
      ++t.count;
      t.kbytes += SizeKbytes(items.Fields(i).Size);
    }
    return t;
  }
  const std::int64_t cur = items.Current();
  if (cur >= 0 && cur < static_cast<std::int64_t>(items.Count()) &&
      items.Selected(static_cast<std::size_t>(cur))) {
    t.count = 1;
    t.kbytes = SizeKbytes(items.Fields(static_cast<std::size_t>(cur)).Size);
  }
  return t;
}

}  // namespace krellix
