#pragma once

#include <string>

#include "itemlist/item_entry.h"

namespace krellix {

// The tabs of the directory pane.
enum class DirPane { kTree, kList, kSkip };

// The output file a scan-to-file run writes (the "Init", "Write" and "Close" actions of the
// output writer). Init gives 1 (file replaced or created), 2 (appended to) or 3 (cancelled:
// there is nothing to write to, and no scan runs).
class ScanOutput {
 public:
  virtual ~ScanOutput() = default;
  virtual int Init() = 0;
  virtual int Write(const ItemFields& fields) = 0;
  virtual int Close() = 0;
};

// What a scan run needs of the window that started it. Tests implement it with a fake.
class ScanHost {
 public:
  virtual ~ScanHost() = default;

  // The status bar text.
  virtual void ShowStatus(const std::string& text) = 0;
  virtual DirPane ActiveDirPane() = 0;
  // The current directory of the directory tree, where a scan starts.
  virtual std::string TreeDirectory() = 0;
  // Records the scan string in the scan history (called for every tested entry).
  virtual void AddToHistory(const std::string& scan_text) = 0;

  virtual void ShowItemsTab() = 0;
  virtual void ShowLogTab() = 0;
  // Busy cursor on and the item list's repainting suspended, and back.
  virtual void BeginBusy() = 0;
  virtual void EndBusy() = 0;
  // Empties the rename pane's box and hint.
  virtual void ClearRenameBox() = 0;

  // Width of the item list in pixels; the width of one line of text in it, and a cheap width
  // that is never less than that (only a line whose bound beats the widest so far is measured).
  virtual int ItemListWidth() = 0;
  virtual int TextWidth(const std::string& line) = 0;
  virtual int TextWidthBound(const std::string& line) = 0;

  // The end of a run: the horizontal scroll range of the item list (when `scroll_width` > 0)
  // and the focus.
  virtual void FinishRun(int scroll_width) = 0;

  // The output file for scan-to-file mode; null when there is none.
  virtual ScanOutput* Output() = 0;

  // Puts a text in the scan string box (the criteria follow the box).
  virtual void SetScanText(const std::string& text) = 0;
  // Ends media playback and empties the preview pane.
  virtual void StopPreview() = 0;
};

}  // namespace krellix
