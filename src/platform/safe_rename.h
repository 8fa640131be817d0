#pragma once

#include <string>

#include "platform/file_result.h"

namespace krellix {

// Renames `from` to `to` without ever replacing what is at `to` (renameat2 with
// RENAME_NOREPLACE; where the file system lacks the flag, the target is looked at right before
// the rename). A taken name fails with EEXIST and "The name is taken already".
FileResult RenameNoReplace(const std::string& from, const std::string& to);

// True when an entry other than a directory lies at `name`, and it is not the entry `item`
// itself seen under another spelling (a file system that ignores letter case finds "A.txt"
// when "a.txt" is there).
bool NameTakenByFile(const std::string& name, const std::string& item);

// RenameNoReplace for renaming an item in place: when `to` reaches `from` itself under another
// spelling, the rename goes through a free temporary name beside it, so a change of letter case
// alone works on file systems that ignore case. Nothing else at `to` is ever replaced.
FileResult RenameItemNoReplace(const std::string& from, const std::string& to);

}  // namespace krellix
