#pragma once

#include <string>
#include <vector>

namespace krellix {

// The past scan strings under the scan string box: newest first, no two equal when letter case
// is ignored.
class ScanHistory {
 public:
  const std::vector<std::string>& Entries() const { return entries_; }
  void Assign(std::vector<std::string> entries) { entries_ = std::move(entries); }

  struct Added {
    bool changed = false;  // the entries changed (trimmed or inserted)
    int selected = -1;     // the entry that now stands for the scan string; -1 for none
  };

  // Records a scan string: an empty one does nothing; the history is first cut to
  // `history_size` entries; an entry equal but for case is selected where it stands;
  // otherwise the string is inserted at the head and the oldest entry beyond `history_size`
  // dropped. The history never holds more than `history_size` entries.
  Added Add(const std::string& scan_arg, int history_size);

  // Puts the entries in alphabetical order, letter case ignored (the box's "Sort" option).
  void SortEntries();
  // The index of the entry equal to `text` but for case, or -1.
  int IndexOf(const std::string& text) const;

 private:
  std::vector<std::string> entries_;
};

}  // namespace krellix
