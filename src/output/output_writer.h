#pragma once

#include <functional>
#include <string>
#include <vector>

#include "itemlist/item_entry.h"
#include "output/locale_format.h"
#include "output/output_dialogs.h"
#include "output/output_options.h"
#include "platform/crlf_line_writer.h"

namespace krellix {

class ActivityLog;
class Clock;
class ItemList;
class Prompter;
struct ScanState;

// What the output writer reads and updates of the main window. The references must outlive
// the writer.
struct OutputFileContext {
  OutputOptions& options;      // read at every call; the "Save as..." dialog edits them
  std::string& Header1;        // set to "- File saved on: " ... when a header block is written
  const ItemList& items;       // the statistics at "Close"
  const ScanState& scan;       // SortOutput of the item lines, ScanToFile
  OutputDialogs& dialogs;      // "Save as..." and "Saving file"
  Prompter& prompter;          // "Cannot open: ", "Close failed for: "
  ActivityLog& log;            // "Save " + path
  const Clock& clock;          // the date of Header1 and of the statistics
  const LocaleFormat& locale;  // numbers and the date and time of Header1
  // The status line ("Writing to " + name).
  std::function<void(const std::string&)> show_status;
  // The text of the scan string box, read for every row while ListScan is on.
  std::function<std::string()> scan_text;
  // Line 2 of the header block: ";  - " + window title + " -- " + copyright.
  std::string window_title;
  std::string copyright;
};

// The output file writer. Init() asks for the file and opens it, Write() adds one row per item,
// Close() adds the statistics and closes. One file at most is open at a time.
//
// A replaced file is written to a temporary file beside it that takes its place at Close(), so
// the old file stays whole until a complete new one is there (a scan to file writes its rows
// as they are found, into the temporary file). An append that fails is cut back at Close().
//
// When the file cannot be opened, Init() still returns the chosen mode after showing
// "Cannot open: " + path + " (" + the system's reason + ")"; Write() and Close() then do
// nothing (IsOpen() tells).
class WriteOutputFile {
 public:
  explicit WriteOutputFile(OutputFileContext ctx);

  // Shows the "Save as..." dialog (kCancel unless closed with "Save"), resolves an existing
  // file through OutFilePrompt / OutFileReplace / OutFileAppend (none of them: kCancel) and
  // opens the file: kReplace replaces or creates it, kAppend writes at its end. When open: logs
  // "Save " + path, writes the header block (Headers), shows "Writing to " + the name, writes
  // the title row (Titles). A file still open from an earlier Init is closed by Close() first.
  SaveMode Init();

  // Writes the row of one item. False when no file is open or the file has failed to take a
  // line (the failure is reported by Close()).
  bool Write(const ItemFields& fields);

  // Writes the statistics block (Statistics on, scan-to-file mode off) and closes the file.
  // Shows "Close failed for: " + path + " (reason)" and returns false when any write, the flush
  // or the close failed; the file is then as it was before Init. False also when no file was
  // open.
  bool Close();

  bool IsOpen() const { return file_.IsOpen(); }
  // The path of the last Init that got as far as opening.
  const std::string& Path() const { return path_; }

 private:
  bool WriteLines(const std::vector<std::string>& lines);

  OutputFileContext ctx_;
  CrlfLineWriter file_;
  std::string path_;
  std::string delimiter_;
};

}  // namespace krellix
