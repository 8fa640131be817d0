#pragma once

#include <cstdint>
#include <string>

#include "base/activity_log.h"
#include "base/confirm_options.h"
#include "fileops/copy_move_values.h"
#include "platform/clock.h"
#include "platform/prompter.h"
#include "scan/scan_state.h"

namespace krellix {

class ItemList;

// What the delete, copy and move runs need of the main window. Tests implement it with a fake.
class FileOpsHost {
 public:
  virtual ~FileOpsHost() = default;

  // The status bar text.
  virtual void ShowStatus(const std::string& text) = 0;
  // Ends media playback and empties the preview pane.
  virtual void StopPreview() = 0;
  // Busy cursor on and the item list's repainting suspended; and back, with a repaint.
  virtual void BeginBusy() = 0;
  virtual void EndBusy() = 0;
  // Empties the rename pane's box and hint.
  virtual void ClearRenameBox() = 0;
  // The index of the item line shown at the top of the list, and scrolling so that `line` is.
  virtual std::int64_t TopLine() = 0;
  virtual void SetTopLine(std::int64_t line) = 0;
  // The drive box and the directory tree read the disk again.
  virtual void RefreshDrivesAndTree() = 0;
  // When the preview pane is showing (docked or floating): it shows the current item.
  virtual void FollowPreview() = 0;
  // Shows the "Copy / Move" dialog with `values` (its title, "Old:" and "New:" set by the
  // command) and gives back what it holds at OK. False when it was cancelled.
  virtual bool ShowCopyMoveDialog(CopyMoveValues& values) = 0;
  // The directory tree opens `dir` (a directory with its trailing delimiter).
  virtual void OpenTreeDirectory(const std::string& dir) = 0;
};

// Everything the delete, copy and move runs read and change, owned by the main window.
struct FileOpsContext {
  ItemList& items;
  // StopIntvl, and the stop request CancelStopEsc that Stop and Esc set.
  ScanState& state;
  const ConfirmOptions& confirm;
  FileOpsHost& host;
  Prompter& prompter;
  ActivityLog& log;
  const Clock& clock;
};

}  // namespace krellix
