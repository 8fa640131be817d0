#pragma once

#include <string>

#include "platform/file_result.h"

namespace krellix {

// Renames `from` to `to` without ever replacing what is at `to` (renameat2 with
// RENAME_NOREPLACE; where the file system lacks the flag, the target is looked at right before
// the rename). A taken name fails with EEXIST and "The name is taken already".
FileResult RenameNoReplace(const std::string& from, const std::string& to);

}  // namespace krellix
