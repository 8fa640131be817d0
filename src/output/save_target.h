#pragma once

#include <optional>
#include <string>

namespace krellix {

class SavingFileQuestion;

// How a file chosen for saving is opened: created anew, emptied, or written at its end.
enum class OpenHow { kCreate, kReplace, kAppend };

// The message for a file that cannot be opened that way: "Cannot open(create): ",
// "Cannot open(replace): " or "Cannot open(append): " (the file name follows).
std::string CannotOpenText(OpenHow how);

// How to open `path` after a save picker chose it: kCreate for a new file; for an existing one
// the "Saving file" prompt decides (Replace or Append), and its Cancel gives nothing.
std::optional<OpenHow> AskOpenHow(const std::string& path, SavingFileQuestion& saving_file);

// The picker's choice with `extension` (".txt", say) appended when it names a file that does
// not exist yet and has no extension of its own.
std::string WithDefaultExtension(std::string name, const std::string& extension);

}  // namespace krellix
