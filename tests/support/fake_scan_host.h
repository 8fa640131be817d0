#pragma once

#include <string>
#include <vector>

#include "scan/scan_host.h"
#include "scan/selection_criteria.h"

namespace krellix::test {

// A ScanHost that records what a run asked of the window.
class FakeScanHost final : public ScanHost {
 public:
  explicit FakeScanHost(SelectionCriteria& criteria) : criteria_(criteria) {}

  std::string tree_directory;
  DirPane pane = DirPane::kTree;
  ScanOutput* output = nullptr;
  std::vector<std::string> statuses;
  std::vector<std::string> events;  // "items-tab", "busy", ...
  int history_calls = 0;
  int finish_scroll_width = -1;
  int width_calls = 0;    // lines measured with TextWidth
  int bound_excess = -1;  // when >= 0, the bound exceeds the width by this much

  void ShowStatus(const std::string& text) override { statuses.push_back(text); }
  DirPane ActiveDirPane() override { return pane; }
  std::string TreeDirectory() override { return tree_directory; }
  void AddToHistory(const std::string&) override { ++history_calls; }
  void ShowItemsTab() override { events.push_back("items-tab"); }
  void ShowLogTab() override { events.push_back("log-tab"); }
  void BeginBusy() override { events.push_back("busy"); }
  void EndBusy() override { events.push_back("idle"); }
  void ClearRenameBox() override { events.push_back("clear-rename"); }
  int ItemListWidth() override { return 100; }
  int TextWidth(const std::string& line) override {
    ++width_calls;
    return static_cast<int>(line.size()) * 7;
  }
  int TextWidthBound(const std::string& line) override {
    const int width = static_cast<int>(line.size()) * 7;
    return bound_excess >= 0 ? width + bound_excess : static_cast<int>(line.size()) * 10;
  }
  void FinishRun(int scroll_width) override { finish_scroll_width = scroll_width; }
  ScanOutput* Output() override { return output; }
  void SetScanText(const std::string& text) override { criteria_.scan_text = text; }
  void StopPreview() override { events.push_back("stop-preview"); }

 private:
  SelectionCriteria& criteria_;
};

}  // namespace krellix::test
