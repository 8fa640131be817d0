#include "itemlist/item_list.h"

#include <algorithm>
#include <cstring>
#include <numeric>

#include "platform/ascii_text.h"

namespace krellix {
namespace {

// Layout numbers are stored seven bits a byte, low bits first, the top bit marking that more
// follow: a field shorter than 128 bytes takes one byte.
char* PutNumber(char* out, std::uint32_t v) {
  while (v >= 0x80) {
    *out++ = static_cast<char>((v & 0x7F) | 0x80);
    v >>= 7;
  }
  *out++ = static_cast<char>(v);
  return out;
}

const char* GetNumber(const char* in, std::uint32_t* v) {
  std::uint32_t x = 0;
  for (int shift = 0;; shift += 7) {
    const auto byte = static_cast<unsigned char>(*in++);
    x |= static_cast<std::uint32_t>(byte & 0x7F) << shift;
    if ((byte & 0x80) == 0) break;
  }
  *v = x;
  return in;
}

}  // namespace

ItemList::Item::Item(std::string_view text, const ItemLayout* layout)
    : size_(static_cast<std::uint32_t>(text.size())) {
  char head[1 + 5 * 5];
  char* end = head;
  if (layout != nullptr) {
    *end++ = LetterOf(layout->order);
    for (std::uint32_t n : layout->lengths) end = PutNumber(end, n);
  }
  head_ = static_cast<std::uint8_t>(end - head);
  data_ = std::make_unique_for_overwrite<char[]>(head_ + text.size());
  std::memcpy(data_.get(), head, head_);
  if (!text.empty()) std::memcpy(data_.get() + head_, text.data(), text.size());
}

ItemLayout ItemList::Item::Layout() const {
  ItemLayout layout;
  if (head_ == 0) return layout;
  const char* in = data_.get();
  layout.order = static_cast<ItemOrder>(*in++);
  for (std::uint32_t& n : layout.lengths) in = GetNumber(in, &n);
  return layout;
}

int CompareItemText(std::string_view a, std::string_view b) {
  // Lines of one list share long prefixes: skip equal bytes a word at a time, fold only where
  // they differ.
  const std::size_t n = std::min(a.size(), b.size());
  const char* pa = a.data();
  const char* pb = b.data();
  std::size_t i = 0;
  for (;;) {
    for (std::uint64_t x, y; i + 8 <= n; i += 8) {
      std::memcpy(&x, pa + i, 8);
      std::memcpy(&y, pb + i, 8);
      if (x != y) break;
    }
    while (i < n && pa[i] == pb[i]) ++i;
    if (i == n) break;
    const unsigned char x = AsciiUpper(static_cast<unsigned char>(pa[i]));
    const unsigned char y = AsciiUpper(static_cast<unsigned char>(pb[i]));
    if (x != y) return x < y ? -1 : 1;
    ++i;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

void ItemList::SetSorted(bool sorted) {
  Merge();
  sorted_ = sorted;
  if (sorted_) Sort();
}

void ItemList::AddItem(const ItemFields& fields, ItemOrder order) {
  ItemLayout layout;
  const std::string line = BuildItemEntry(fields, order, &layout);
  Place(Item(line, &layout));
}

void ItemList::AddItem(std::string_view line, const ItemLayout& layout) {
  Place(Item(line, &layout));
}

void ItemList::Add(std::string_view line) { Place(Item(line, nullptr)); }

void ItemList::Place(Item item) {
  if (!sorted_) {
    lines_.push_back(std::move(item));
    last_added_ = static_cast<std::int64_t>(lines_.size()) - 1;
    last_is_pending_ = false;
    return;
  }
  pending_.push_back(std::move(item));
  last_added_ = static_cast<std::int64_t>(pending_.size()) - 1;
  last_is_pending_ = true;
}

void ItemList::Merge() const {
  if (pending_.empty()) return;
  // Inserting one at a time before the first equal line leaves equal lines newest first, so
  // the batch is ordered by text and, among equals, by descending arrival.
  const std::vector<std::uint32_t> order = SortedOrder(pending_, true);
  std::vector<Item> merged;
  merged.reserve(lines_.size() + pending_.size());
  std::size_t old = 0;
  std::int64_t last_pos = kNoLine;
  for (const std::size_t k : order) {
    // Older lines strictly before the new one come first; equal ones go after it.
    while (old < lines_.size() && CompareItemText(lines_[old].Text(), pending_[k].Text()) < 0) {
      merged.push_back(std::move(lines_[old++]));
    }
    if (last_is_pending_ && static_cast<std::int64_t>(k) == last_added_) {
      last_pos = static_cast<std::int64_t>(merged.size());
    }
    merged.push_back(std::move(pending_[k]));
  }
  while (old < lines_.size()) merged.push_back(std::move(lines_[old++]));
  lines_ = std::move(merged);
  pending_.clear();
  pending_.shrink_to_fit();
  if (last_is_pending_) {
    last_added_ = last_pos;
    last_is_pending_ = false;
  }
}

std::int64_t ItemList::LastAddedIndex() const {
  Merge();
  return last_added_;
}

std::string_view ItemList::Line(std::size_t i) const {
  Merge();
  return lines_.at(i).Text();
}

bool ItemList::IsItem(std::size_t i) const {
  Merge();
  return lines_.at(i).HasLayout();
}

ItemFieldViews ItemList::Fields(std::size_t i) const {
  Merge();
  const Item& item = lines_.at(i);
  if (!item.HasLayout()) return {};
  return ItemFieldsOf(item.Text(), item.Layout());
}

void ItemList::Delete(std::size_t i) {
  Merge();
  if (i >= lines_.size()) return;
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(i));
  if (current_ >= static_cast<std::int64_t>(lines_.size())) {
    current_ = static_cast<std::int64_t>(lines_.size()) - 1;
  }
}

void ItemList::SetLine(std::size_t i, std::string_view line) {
  Merge();
  if (i >= lines_.size()) return;
  const bool selected = lines_[i].selected;
  lines_[i] = Item(line, nullptr);
  lines_[i].selected = selected;
}

void ItemList::SetFile(std::size_t i, std::string_view file) {
  Merge();
  if (i >= lines_.size() || !lines_[i].HasLayout()) return;
  const ItemLayout old_layout = lines_[i].Layout();
  ItemFields fields = ItemFieldsOf(lines_[i].Text(), old_layout).ToFields();
  fields.File = std::string(file);
  ItemLayout layout;
  const std::string line = BuildItemEntry(fields, old_layout.order, &layout);
  const bool selected = lines_[i].selected;
  lines_[i] = Item(line, &layout);
  lines_[i].selected = selected;
}

std::size_t ItemList::DeleteLines(std::string_view line) {
  Merge();
  const std::size_t before = lines_.size();
  lines_.erase(std::remove_if(lines_.begin(), lines_.end(),
                              [line](const Item& it) { return it.Text() == line; }),
               lines_.end());
  if (current_ >= static_cast<std::int64_t>(lines_.size())) {
    current_ = static_cast<std::int64_t>(lines_.size()) - 1;
  }
  return before - lines_.size();
}

void ItemList::Clear() {
  lines_.clear();
  pending_.clear();
  last_added_ = kNoLine;
  last_is_pending_ = false;
  current_ = kNoLine;
}

bool ItemList::Selected(std::size_t i) const {
  Merge();
  return lines_.at(i).selected;
}

void ItemList::SetSelected(std::size_t i, bool selected) {
  Merge();
  lines_.at(i).selected = selected;
}

void ItemList::SetAllSelected(bool selected) {
  Merge();
  for (Item& it : lines_) it.selected = selected;
}

std::size_t ItemList::SelectedCount() const {
  Merge();
  return static_cast<std::size_t>(
      std::count_if(lines_.begin(), lines_.end(), [](const Item& it) { return it.selected; }));
}

namespace {

// Eight folded bytes of `text` from `from` on, big-endian, so that comparing two of them as
// numbers orders like CompareItemText over those bytes (short texts pad with 0, which sorts
// first like the shorter text does).
std::uint64_t FoldedPrefix(std::string_view text, std::size_t from) {
  std::uint64_t v = 0;
  for (std::size_t i = 0; i < 8; ++i) {
    const std::size_t at = from + i;
    const unsigned char c = at < text.size() ? AsciiUpper(static_cast<unsigned char>(text[at])) : 0;
    v = (v << 8) | c;
  }
  return v;
}

// How many bytes `a` and `b` share from the start once a to z are folded, at most `limit`.
std::size_t FoldedCommonPrefix(std::string_view a, std::string_view b, std::size_t limit) {
  const std::size_t n = std::min({limit, a.size(), b.size()});
  std::size_t i = 0;
  while (i < n && AsciiUpper(static_cast<unsigned char>(a[i])) ==
                      AsciiUpper(static_cast<unsigned char>(b[i]))) {
    ++i;
  }
  return i;
}

// A sort key: the folded bytes after the shared beginning, and where the line stood.
struct Key {
  std::uint64_t prefix[2];
  std::uint32_t index;
};

}  // namespace

// The order of `items` by CompareItemText; equal lines stay in their order, or with
// `later_first` the later one goes first.
std::vector<std::uint32_t> ItemList::SortedOrder(const std::vector<Item>& items, bool later_first) {
  const std::size_t n = items.size();
  std::vector<std::uint32_t> order(n);
  if (n < 2) {
    std::iota(order.begin(), order.end(), 0u);
    return order;
  }
  // Lines of one list share long beginnings (the attribute, volume and top folders). Sorting
  // small keys that hold the bytes right after the shared beginning settles most comparisons
  // without touching the lines themselves; every line then moves once.
  //
  // The lines lie scattered in memory, so each is read once where possible: the shared
  // beginning is guessed from a sample, the keys are taken after it while checking that every
  // line really starts that way, and only a wrong guess costs a second pass.
  constexpr std::size_t kAhead = 16;
  const std::string_view first = items[0].Text();
  std::size_t shared = first.size();
  const std::size_t step = std::max<std::size_t>(1, n / 256);
  for (std::size_t i = step; i < n; i += step) {
    shared = FoldedCommonPrefix(first, items[i].Text(), shared);
  }
  std::vector<Key> keys(n);
  for (;;) {
    std::size_t all = shared;
    for (std::size_t i = 0; i < n; ++i) {
      if (i + kAhead < n) __builtin_prefetch(items[i + kAhead].Text().data());
      const std::string_view line = items[i].Text();
      all = FoldedCommonPrefix(first, line, all);
      keys[i] = {{FoldedPrefix(line, shared), FoldedPrefix(line, shared + 8)},
                 static_cast<std::uint32_t>(i)};
    }
    if (all == shared) break;
    shared = all;
  }
  const auto tie = [later_first](const Key& a, const Key& b) {
    return later_first ? a.index > b.index : a.index < b.index;
  };
  std::sort(keys.begin(), keys.end(), [&tie](const Key& a, const Key& b) {
    if (a.prefix[0] != b.prefix[0]) return a.prefix[0] < b.prefix[0];
    if (a.prefix[1] != b.prefix[1]) return a.prefix[1] < b.prefix[1];
    return tie(a, b);
  });
  // Runs of equal keys are settled by the whole text after the shared beginning.
  const std::size_t from = shared;
  const auto by_text = [&items, from, &tie](const Key& a, const Key& b) {
    const std::string_view x = items[a.index].Text();
    const std::string_view y = items[b.index].Text();
    const std::size_t at = std::min({from, x.size(), y.size()});
    const int c = CompareItemText(x.substr(at), y.substr(at));
    return c != 0 ? c < 0 : tie(a, b);
  };
  for (std::size_t i = 0; i < n;) {
    std::size_t j = i + 1;
    while (j < n && keys[j].prefix[0] == keys[i].prefix[0] &&
           keys[j].prefix[1] == keys[i].prefix[1]) {
      ++j;
    }
    if (j - i > 1) {
      for (std::size_t k = i; k < j; ++k) __builtin_prefetch(items[keys[k].index].Text().data());
      std::sort(keys.begin() + static_cast<std::ptrdiff_t>(i),
                keys.begin() + static_cast<std::ptrdiff_t>(j), by_text);
    }
    i = j;
  }
  for (std::size_t i = 0; i < n; ++i) order[i] = keys[i].index;
  return order;
}

void ItemList::Sort() {
  Merge();
  if (lines_.size() < 2) return;
  const std::vector<std::uint32_t> order = SortedOrder(lines_, false);
  std::vector<Item> sorted;
  sorted.reserve(lines_.size());
  for (std::uint32_t k : order) sorted.push_back(std::move(lines_[k]));
  lines_ = std::move(sorted);
}

void ItemList::Swap(std::size_t i, std::size_t j) {
  Merge();
  std::swap(lines_.at(i), lines_.at(j));
}

void ItemList::DeleteSelected() {
  Merge();
  lines_.erase(
      std::remove_if(lines_.begin(), lines_.end(), [](const Item& it) { return it.selected; }),
      lines_.end());
  if (current_ >= static_cast<std::int64_t>(lines_.size())) {
    current_ = static_cast<std::int64_t>(lines_.size()) - 1;
  }
}

ItemFieldViews GetItemListFields(const ItemList& items, std::size_t i) { return items.Fields(i); }

std::string_view GetItemListAttr(const ItemList& items, std::size_t i) {
  return items.Fields(i).Attr;
}

std::string GetItemListFilename(const ItemList& items, std::size_t i) {
  return items.Fields(i).Filename();
}

std::string_view GetItemListFiledate(const ItemList& items, std::size_t i) {
  return items.Fields(i).Date;
}

}  // namespace krellix
