#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace krellix {

// Orders item lines ascending by their text with the letters a to z folded to upper case; the
// order of the item list. Returns <0, 0 or >0.
int CompareItemText(std::string_view a, std::string_view b);

// The item list: ordered lines, a selected flag per line and a current line.
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

  // Adds a line at its sorted place (or at the end when unsorted), not selected.
  void Add(std::string line);
  // Index at which the most recently added line now stands; kNoLine when none was added.
  std::int64_t LastAddedIndex() const;

  const std::string& Line(std::size_t i) const;
  void Delete(std::size_t i);
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
  struct Item {
    std::string line;
    bool selected = false;
  };
  void Merge() const;

  mutable std::vector<Item> lines_;
  mutable std::vector<std::string> pending_;
  mutable std::int64_t last_added_ = kNoLine;
  // Index of the most recent addition within pending_, or within lines_ once merged.
  mutable bool last_is_pending_ = false;
  bool sorted_ = true;
  std::int64_t current_ = kNoLine;
};

}  // namespace krellix
