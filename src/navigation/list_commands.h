#pragma once

#include <QObject>

#include "navigation/check_list_commands.h"
#include "navigation/file_list_commands.h"
#include "navigation/list_command_context.h"

namespace krellix {

class CommandRegistry;

// The commands of the include ("List"), exclude ("Skip") and file ("Files") lists, and the
// loading and saving of the lists' own files at start-up and shutdown. It owns their actions
// and registers them; the window places them in its menus.
class ListCommands final : public QObject {
 public:
  struct Context {
    ListCommandContext shared;
    CheckListCommands::Context include;
    CheckListCommands::Context exclude;
    FileListCommands::Context files;
  };

  ListCommands(Context context, QObject* parent);

  // Registers the commands under their ids ("tree.add_to_list", "tree.add_to_skip",
  // "items.add_to_files", "files.goto", ...) and answers the lists' tabs.
  void Register(CommandRegistry& commands);

  // The start-up load of the three lists' own files: each list whose file exists is refilled
  // from it, and the failures are shown once all three are read.
  void LoadListFiles();
  // The shutdown's automatic saves, each to the list's own file without a dialog; the shutdown
  // decides which of them run. A failure shows "Cannot autosave: " (include and exclude lists)
  // or "Cannot open(autosave): " (file list) with the file name.
  void AutoSaveIncludeList() { include_.AutoSave(); }
  void AutoSaveExcludeList() { exclude_.AutoSave(); }
  void AutoSaveFileList() { files_.AutoSave(); }

 private:
  Prompter& prompter_;
  CheckListCommands include_;
  CheckListCommands exclude_;
  FileListCommands files_;
};

}  // namespace krellix
