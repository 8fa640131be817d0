#pragma once

#include <string>
#include <vector>

namespace krellix {

// One line of a check list: a directory path with its check mark and enabled state.
struct CheckListEntry {
  std::string text;
  bool checked = true;
  bool enabled = true;
};

// The include ("List") and exclude ("Skip") lists. Only checked entries take part in scans.
struct CheckList {
  std::vector<CheckListEntry> entries;
};

}  // namespace krellix
