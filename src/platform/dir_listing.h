#pragma once

#include <string>
#include <vector>

namespace krellix {

// The names of the sub-directories of `dir`, symbolic links to directories included, in the
// order the file system gives them. "." and ".." and hidden names (starting with ".") are left
// out. Only entries whose type the directory listing does not tell are looked up, so a folder
// of many files costs one read of the listing. An unreadable directory has none.
std::vector<std::string> SubdirectoryNames(const std::string& dir);

}  // namespace krellix
