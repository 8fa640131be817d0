#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "base/activity_log.h"
#include "base/confirm_options.h"
#include "platform/clock.h"
#include "platform/prompter.h"
#include "rename/rename_parameters.h"
#include "scan/scan_state.h"

namespace krellix {

class ItemList;

// Before and after names of the preview, file names without their paths.
using RenamePreviewRows = std::vector<std::pair<std::string, std::string>>;

// What the rename runs need of the main window. Tests implement it with a fake.
class RenameHost {
 public:
  virtual ~RenameHost() = default;

  virtual void ShowStatus(const std::string& text) = 0;
  // Ends media playback and empties the preview pane.
  virtual void StopPreview() = 0;
  // Busy cursor on and the item list's repainting suspended; and back, with a repaint.
  virtual void BeginBusy() = 0;
  virtual void EndBusy() = 0;
  // Empties the rename pane's field and hint.
  virtual void ClearRenameBox() = 0;
  // The drive box and the directory tree read the disk again.
  virtual void RefreshDrivesAndTree() = 0;
  // The width of an item line in the item list, in pixels; the list's own width; and its
  // horizontal scroll range.
  virtual int LineWidth(const std::string& line) = 0;
  virtual int ItemListWidth() = 0;
  virtual void SetScrollWidth(int width) = 0;
  // Shows the "Rename" dialog with `params`; true at OK, with `params` as the dialog holds them.
  virtual bool ShowRenameDialog(RenameParameters& params) = 0;
  // Shows the "Preview Rename" window; true at OK.
  virtual bool ShowRenamePreview(const RenamePreviewRows& rows) = 0;
  // The item list's click handling for its current line (status line, rename field, preview).
  virtual void ClickCurrent() = 0;
};

// Everything the rename runs read and change, owned by the main window.
struct RenameContext {
  ItemList& items;
  // StopIntvl, and MaxListWidth, the widest item line so far.
  ScanState& state;
  const ConfirmOptions& confirm;
  // The "Rename" dialog's values, kept for the program's run, and "Remember parameters".
  RenameParameters& params;
  const bool& remember;
  RenameHost& host;
  Prompter& prompter;
  ActivityLog& log;
  const Clock& clock;
  // The MD5 checksum text of a file ("*** MD5 failed ***" when it cannot be read).
  std::function<std::string(const std::string&)> md5;
};

enum class RenameAction { kPreview, kRename };

// The counts of one pass: `f` the selected items examined, `t` the items renamed on disk.
struct RenameCounts {
  int f = 0;
  int t = 0;
};

// The batch rename command ("Rename", Ctrl+R, F7): the "Rename" dialog, the preview when
// "Preview Rename file" is on (its Cancel opens the dialog again), then the rename pass. Ends
// with "Rename_count=t Total=f Time=hh:mm:ss:zzz" in the status bar and the log.
void RenameSelectedItems(RenameContext& ctx);

// One pass over the selected items, first line to last. kPreview fills `preview` with the
// items that would be renamed; kRename renames them, asking per item as the "Confirm Rename
// ..." options say and after each failure. A new name that an existing file holds gets " (2)",
// " (3)", ... before its extension; no existing entry is ever replaced.
RenameCounts BatchRename(RenameContext& ctx, RenameAction action, RenamePreviewRows* preview);

// Renames the item of line `selected_item` from the full name `from` to `to`: on success its
// File field becomes the new name, `t` grows by one, "Renamed=" is logged and the result is
// kYes; on failure "Rename_Failed=" is logged, the reason shown while `err_msg`, and the result
// is kNo. A new name that would leave the item's directory ("/" in it, "." or "..", empty) is a
// failure. A negative `selected_item` does nothing (kNo).
Answer RenameFromItemList(RenameContext& ctx, int& t, std::int64_t selected_item,
                          const std::string& from, const std::string& to, bool err_msg);

// The rename pane's "Rename" (and Enter in its field): renames the current item to
// `field_text` when it is selected, logs "Rename_count=" 1 or 0, and after a rename makes the
// next item (the first after the last) current; then the current item is selected and clicked.
// True when the item was renamed.
bool RenamePaneRename(RenameContext& ctx, const std::string& field_text);

}  // namespace krellix
