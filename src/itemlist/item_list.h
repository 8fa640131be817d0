#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "itemlist/item_entry.h"

namespace krellix {

// Orders item lines ascending by their text with the letters a to z folded to upper case; the
// order of the item list. Returns <0, 0 or >0.
int CompareItemText(std::string_view a, std::string_view b);

// The item list: ordered lines, a selected flag per line and a current line.
//
// Item lines keep where their fields lie, as the line builder made them (see ItemLayout), so
// every reader takes a field by its place and a name holding " | " reads back whole. Other
// lines ("Scan cancelled") have no fields.
//
// While sorted, every added line lands where inserting it into the sorted list one at a time
// would put it: before the first line that compares equal to it. Added lines are gathered and
// merged in one step when the list is next read, so a scan adding a million lines costs
// O(n log n), not O(n^2). Every accessor sees the merged list.
class ItemList {
 public:
  static constexpr std::int64_t kNoLine = -1;

  std::size_t Count() const { return lines_.size() + pending_.size(); }
  bool Empty() const { return Count() == 0; }

  bool Sorted() const { return sorted_; }
  // Switching sorting on re-sorts the list.
  void SetSorted(bool sorted);

  // Adds an item line built from `fields` in the field order `order`, at its sorted place (or
  // at the end when unsorted), not selected.
  void AddItem(const ItemFields& fields, ItemOrder order);
  // Adds a line that is no item (a message), placed like an item line.
  void Add(std::string_view line);
  // Adds `line`, an item line that BuildItemEntry made with `layout`.
  void AddItem(std::string_view line, const ItemLayout& layout);
  // Index at which the most recently added line now stands; kNoLine when none was added.
  std::int64_t LastAddedIndex() const;

  // The text of line i; valid until the list next changes.
  std::string_view Line(std::size_t i) const;
  // Whether line i is an item line, with fields.
  bool IsItem(std::size_t i) const;
  // The fields of line i, all empty for a line that is no item; valid until the list next
  // changes.
  ItemFieldViews Fields(std::size_t i) const;
  void Delete(std::size_t i);
  // Replaces line i by `line`, a line that is no item, in the same place (sorted or not) and
  // with its selected flag.
  void SetLine(std::size_t i, std::string_view line);
  // Gives item line i the file name `file` in its File field, every other field and the line's
  // place and selected flag kept. A line that is no item stays as it is.
  void SetFile(std::size_t i, std::string_view file);
  // Removes every line whose text is `line`, in one pass; returns how many went.
  std::size_t DeleteLines(std::string_view line);
  void Clear();

  bool Selected(std::size_t i) const;
  void SetSelected(std::size_t i, bool selected);
  // Selects or deselects every line.
  void SetAllSelected(bool selected);
  std::size_t SelectedCount() const;

  std::int64_t Current() const { return current_; }
  void SetCurrent(std::int64_t i) { current_ = i; }

  // Sorts the whole list (stable: equal lines keep their relative order).
  void Sort();
  // Swaps lines i and j, with their selected flags.
  void Swap(std::size_t i, std::size_t j);
  // Removes every selected line.
  void DeleteSelected();

 private:
  // One line in a single heap block: its layout (the order letter and the five field lengths
  // as variable-length numbers), then its text. Sixteen bytes besides the block.
  class Item {
   public:
    Item() = default;
    Item(std::string_view text, const ItemLayout* layout);
    std::string_view Text() const { return {data_.get() + head_, size_}; }
    bool HasLayout() const { return head_ != 0; }
    ItemLayout Layout() const;

   private:
    std::unique_ptr<char[]> data_;
    std::uint32_t size_ = 0;
    std::uint8_t head_ = 0;

   public:
    bool selected = false;
  };

  void Place(Item item);
  void Merge() const;
  static std::vector<std::uint32_t> SortedOrder(const std::vector<Item>& items, bool later_first);

  mutable std::vector<Item> lines_;
  mutable std::vector<Item> pending_;
  mutable std::int64_t last_added_ = kNoLine;
  // Index of the most recent addition within pending_, or within lines_ once merged.
  mutable bool last_is_pending_ = false;
  bool sorted_ = true;
  std::int64_t current_ = kNoLine;
};

// The readers of the fields of line i (empty for a line that is no item).
ItemFieldViews GetItemListFields(const ItemList& items, std::size_t i);
std::string_view GetItemListAttr(const ItemList& items, std::size_t i);
// Path followed by File: the full name of the item.
std::string GetItemListFilename(const ItemList& items, std::size_t i);
std::string_view GetItemListFiledate(const ItemList& items, std::size_t i);

}  // namespace krellix
