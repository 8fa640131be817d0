#pragma once

#include <string>
#include <vector>

#include "platform/file_result.h"

namespace krellix {

// The names of the sub-directories of `dir`, symbolic links to directories included, in the
// order the file system gives them. "." and ".." and hidden names (starting with ".") are left
// out. Only entries whose type the directory listing does not tell are looked up, so a folder
// of many files costs one read of the listing. An unreadable directory has none.
std::vector<std::string> SubdirectoryNames(const std::string& dir);

// Appends the names of every entry of the directory open as `dir_fd` (read from its start;
// the descriptor stays open) to `names`, "." and ".." left out. `path` names the directory in
// the error.
FileResult EntryNames(int dir_fd, const std::string& path, std::vector<std::string>& names);
// As above for the directory `dir`.
FileResult EntryNames(const std::string& dir, std::vector<std::string>& names);

}  // namespace krellix
