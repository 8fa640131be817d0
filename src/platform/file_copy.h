#pragma once

#include <optional>
#include <string>

namespace krellix {

// A free name for `target`: the name itself when nothing lies there, else "name (2).ext",
// "name (3).ext", ... beside it.
std::string FreeTargetName(const std::string& target);

// Copies one file with its permissions and modification time. An existing target is replaced
// when `replace`, else the copy goes to a free name beside it (and fails rather than overwrite
// a file that takes that name meanwhile). The data goes to a temporary file first (FileWriter),
// so a failed copy never leaves a damaged target. Returns the name written, or nothing with
// `error` set to the system's reason.
std::optional<std::string> CopyOneFile(const std::string& source, const std::string& target,
                                       bool replace, std::string& error);

}  // namespace krellix
