#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace krellix {

class ActivityLog;
class Prompter;
struct ConfirmOptions;

// The fields of the "Create directory " dialog.
struct CreateDirectoryValues {
  std::string base;       // "Current: ", with its trailing delimiter
  std::string directory;  // "Directory: ", relative to the base, levels separated by "/"
  bool series = false;    // " sub directories "
  std::string prefix;
  std::string suffix;
  std::string count = "1";
  std::string start = "1";
  std::string step = "1";
  std::string zero_fill = "1";
};

// What the directory commands need of the window.
struct DirectoryCommandsEnv {
  Prompter& prompter;
  ActivityLog& log;
  const ConfirmOptions& confirm;
  // The directory tree opens `dir`, and reads the disk again.
  std::function<void(const std::string&)> open_tree_directory;
  std::function<void()> refresh_tree;
  // Shows the dialog with `values` ("Current: " filled); false when it was cancelled.
  std::function<bool(CreateDirectoryValues&)> show_create_dialog;
  // A one-line prompt (title, caption, default text); a cancelled prompt gives the default.
  std::function<std::string(const std::string&, const std::string&, const std::string&)> ask_text;
};

// The "Directory: " text as OK leaves it: without a leading delimiter, and with a trailing one
// when not empty.
std::string DirectoryFieldOnOk(std::string text);

// A member of the numbered series: prefix, `number` with at least `zero_fill` digits, suffix.
std::string SeriesName(const std::string& prefix, std::int64_t number, int zero_fill,
                       const std::string& suffix);

// "Create directory": `highlighted` is the tree's highlighted entry. Opens the dialog at it,
// creates "Directory: " below the base and then the numbered series, logging each member
// ("Create_directory=" or "Create_directory_failed="), and opens the tree at the base of the
// series (or the base). "Directory: " is emptied afterwards.
void CreateDirectoryCommand(const std::string& highlighted, CreateDirectoryValues& values,
                            const DirectoryCommandsEnv& env);

// "Rename directory": renames `highlighted` within its parent to the name the prompt gives,
// never over an existing entry. `tree_dir` is the directory the tree has open; when it lies in
// the one renamed, the tree first opens that one's parent. Logs "Rename_directory=" T
// " Into=" N, or "Rename_directory_failed=" T.
void RenameDirectoryCommand(const std::string& highlighted, const std::string& tree_dir,
                            const DirectoryCommandsEnv& env);

}  // namespace krellix
