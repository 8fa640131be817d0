#pragma once

#include <cstdint>
#include <string>

#include "fileops/file_ops_host.h"

namespace krellix {

// Delete moves items to the desktop's Trash; Purge removes them for good.
enum class DeleteMode { kDelete, kPurge };

// Removes the selected items of the item list, last line first, asking per item as the
// "Confirm ..." options say ("Purge N ? " / "Delete N ? " with Yes, No, Cancel, Yes to all) and
// after each failure ("Delete failed for N" ..., Yes, Cancel, Yes to all). Removed items leave
// the list; the unselected line after the current one stays current. Ends with the summary
// "Delete_count=t Total=n Time=hh:mm:ss:zzz" in the status bar and the log.
void DeleteSelectedItems(FileOpsContext& ctx, DeleteMode mode);

// Removes one item, the file or directory `name` of line `selected_item`: on success the line
// leaves the list, `t` grows by one, "Deleted=" is logged and the result is kYes; on failure
// "Delete_Failed=" is logged and, while `err_msg`, the reason is shown; the result is kNo. A
// negative `selected_item` does nothing (kNo).
Answer DeleteFromItemList(FileOpsContext& ctx, DeleteMode mode, int& t, std::int64_t selected_item,
                          const std::string& name, bool err_msg);

// Moves one directory with its contents to the Trash, showing the reason of a failure. True
// when it was removed.
bool DeleteDirectory(const std::string& dir, Prompter& prompter);

// "Delete directory" of the directory tree: removes `highlighted` (the entry highlighted in the
// tree) to the Trash after the question "Delete T ? " (when "Confirm Delete directory" is on).
// `tree_dir` is the directory the tree has open; when it lies inside the one to go, the tree
// first opens the parent of the doomed directory. Logs "Delete_directory=" or
// "Delete_directory_failed=".
void DeleteDirectoryFromTree(FileOpsContext& ctx, const std::string& tree_dir,
                             const std::string& highlighted);

}  // namespace krellix
