#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/check_list.h"

namespace krellix {

class ActivityLog;
class Prompter;
class SavingFileQuestion;

// The file list ("Files" tab): full file names collected from the item list.
using FileList = std::vector<std::string>;

// The pickers of the list commands.
inline constexpr char kListFilter[] = "Text files (*.txt)|*.txt|All files (*.*)|*.*";
inline constexpr char kListLoadTitle[] = "Load from...";
inline constexpr char kListSaveTitle[] = "Write to filename";

// Reading. Each returns "" when the whole file was read, else the message to show: the
// system's reason, ": " and the file name. The lines read before a failure stay in the list.
//
// Start-up: when `path` names an existing file, the list is emptied and refilled from it, marks
// read by the start-up rules. A missing file leaves the list as it is.
std::string ReloadCheckList(CheckList& list, const std::string& path);
std::string ReloadFileList(FileList& list, const std::string& path);
// "Load" and "Load list": the lines of `path` are appended, marks read by the "Load" rules.
std::string AppendCheckListFile(CheckList& list, const std::string& path);
std::string AppendFileListFile(FileList& list, const std::string& path);

// What saving a list reads and reports to. The references must outlive the call.
struct ListSaverContext {
  ActivityLog& log;
  Prompter& prompter;  // the save picker and the failure messages
  SavingFileQuestion& saving_file;
  std::function<void(const std::string&)> show_status;
};

// Interactive: "Save" / "Save list", with the picker "Write to filename" (starting at the
// list's file) and, for an existing file, the "Saving file" prompt. Automatic: the shutdown
// save, which creates or overwrites the list's own file without asking.
enum class ListSaveKind { kInteractive, kAutomatic };
enum class ListSaveResult { kSaved, kCancelled, kFailed };

// Writes the include or exclude list, one mark line per entry. Shows "Writing " + the bare
// file name, then shows and logs "Include/ExcludeList_Items=" + count and, after a clean close,
// "Include/ExcludeList_Saved=" + the chosen file (the bare name when automatic). A cancelled
// picker shows "Save cancelled". Failures: "Cannot open(create): ", "Cannot open(replace): ",
// "Cannot open(append): " (automatic: "Cannot autosave: ") or "Close failed for: " + file,
// each followed by the system's reason in parentheses; the file is then as it was before (a
// replaced file changes only once the whole list is written). `list_file` is not changed.
ListSaveResult SaveCheckList(const ListSaverContext& ctx, const CheckList& list,
                             const std::string& list_file, ListSaveKind kind);

// Writes the file list, one entry per line. The picker's choice becomes `list_file`. Shows
// "Writing to " + the bare file name (also added to the log unstamped), then "Items_written="
// and "Filelist_Saved=" as above. A cancelled picker shows "Save filelist cancelled"; an
// automatic save that cannot open the file shows "Cannot open(autosave): " + file.
ListSaveResult SaveFileList(const ListSaverContext& ctx, const FileList& list,
                            std::string& list_file, ListSaveKind kind);

}  // namespace krellix
