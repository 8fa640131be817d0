#pragma once

#include <functional>
#include <string>
#include <vector>

#include "fileops/file_ops_host.h"

namespace krellix::test {

// A FileOpsHost that records what a run asked of the window and answers the "Copy / Move"
// dialog through `on_dialog` (cancelled when unset).
class FakeFileOpsHost final : public FileOpsHost {
 public:
  std::vector<std::string> statuses;
  std::vector<std::string> events;  // "busy", "idle", "refresh", "open <dir>", ...
  std::int64_t top_line = 0;
  std::function<bool(CopyMoveValues&)> on_dialog;
  std::vector<CopyMoveValues> dialogs_shown;

  void ShowStatus(const std::string& text) override { statuses.push_back(text); }
  void StopPreview() override { events.push_back("stop-preview"); }
  void BeginBusy() override { events.push_back("busy"); }
  void EndBusy() override { events.push_back("idle"); }
  void ClearRenameBox() override { events.push_back("clear-rename"); }
  std::int64_t TopLine() override { return top_line; }
  void SetTopLine(std::int64_t line) override { top_line = line; }
  void RefreshDrivesAndTree() override { events.push_back("refresh"); }
  void FollowPreview() override { events.push_back("preview"); }
  bool ShowCopyMoveDialog(CopyMoveValues& values) override {
    dialogs_shown.push_back(values);
    return on_dialog && on_dialog(values);
  }
  void OpenTreeDirectory(const std::string& dir) override { events.push_back("open " + dir); }
};

}  // namespace krellix::test
