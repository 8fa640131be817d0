#pragma once

#include <regex>
#include <string>
#include <vector>

#include "base/activity_log.h"
#include "fileops/file_ops_host.h"
#include "itemlist/item_list.h"
#include "platform/scripted_prompter.h"
#include "support/fake_file_ops_host.h"

namespace krellix::test {

// Everything a delete, copy or move run needs, with an item list of real paths.
struct FileOpsRig {
  Clock clock;
  ActivityLog log{clock};
  ItemList items;
  ScanState state;
  ConfirmOptions confirm;
  FakeFileOpsHost host;
  ScriptedPrompter prompter;
  FileOpsContext ctx{items, state, confirm, host, prompter, log, clock};

  // Lines stay in the order the test adds them.
  FileOpsRig() { items.SetSorted(false); }

  // Adds the item line of `full` (a file, or a directory when `dir`), selected or not.
  void Add(const std::string& full, bool dir, bool selected) {
    const std::size_t slash = full.rfind('/');
    items.AddItem(ItemFields{dir ? "." : ":", "", full.substr(0, slash + 1), full.substr(slash + 1),
                             "0", "2024-01-01 00:00"},
                  ItemOrder::kPath);
    const auto i = static_cast<std::size_t>(items.LastAddedIndex());
    items.SetSelected(i, selected);
  }

  // The log lines without their time stamps.
  std::vector<std::string> LogTexts() const {
    std::vector<std::string> texts;
    for (const std::string& line : log.Lines()) texts.push_back(line.substr(20));
    return texts;
  }

  // The file names of the lines.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < items.Count(); ++i) names.emplace_back(items.Fields(i).File);
    return names;
  }
};

// True when `line` is `head` followed by " Time=" and a duration "hh:mm:ss:zzz".
inline bool IsSummary(const std::string& line, const std::string& head) {
  static const std::regex time(R"( Time=\d\d:\d\d:\d\d:\d\d\d)");
  return line.rfind(head, 0) == 0 && std::regex_match(line.substr(head.size()), time);
}

}  // namespace krellix::test
