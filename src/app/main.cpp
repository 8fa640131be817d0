#include <iostream>

#include "app/activity_log.h"
#include "itemlist/item_list.h"
#include "platform/file_system.h"
#include "platform/scripted_prompter.h"
#include "scan/scan_engine.h"

namespace {

// Until the main window exists: scans the current directory and prints the item lines.
class ConsoleHost final : public krellix::ScanHost {
 public:
  krellix::SelectionCriteria* criteria = nullptr;
  void ShowStatus(const std::string&) override {}
  krellix::DirPane ActiveDirPane() override { return krellix::DirPane::kTree; }
  std::string TreeDirectory() override { return krellix::CurrentDirectory(); }
  void AddToHistory(const std::string&) override {}
  void ShowItemsTab() override {}
  void ShowLogTab() override {}
  void BeginBusy() override {}
  void EndBusy() override {}
  void ClearRenameBox() override {}
  int ItemListWidth() override { return 0; }
  int MaxCharWidth() override { return 1; }
  int TextWidth(const std::string& line) override { return static_cast<int>(line.size()); }
  void FinishRun(int) override {}
  krellix::ScanOutput* Output() override { return nullptr; }
  void SetScanText(const std::string& text) override { criteria->scan_text = text; }
  void StopPreview() override {}
};

}  // namespace

int main() {
  using namespace krellix;
  Clock clock;
  ActivityLog log(clock);
  SelectionCriteria criteria;
  ScanState state;
  ScanStatistics stats;
  ItemList items;
  CheckList include, exclude;
  ConsoleHost host;
  host.criteria = &criteria;
  ScriptedPrompter prompter;
  ScanEngine engine({criteria, state, stats, items, include, exclude, host, prompter, log, clock});
  state.SkipSubDir = true;
  engine.ScanCommand();
  for (std::size_t i = 0; i < items.Count(); ++i) std::cout << items.Line(i) << '\n';
  for (const std::string& line : log.Lines()) std::cerr << line << '\n';
  return 0;
}
