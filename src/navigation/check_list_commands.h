#pragma once

#include <QObject>
#include <functional>
#include <string>

#include "base/check_list.h"
#include "navigation/list_command_context.h"
#include "navigation/list_tab_controls.h"

namespace krellix {

class CheckListWidget;
class CommandRegistry;

// What sets the include ("List") and the exclude ("Skip") list's commands apart.
struct CheckListKind {
  const char* add_command_id;  // the tree's "Add to ..." command
  const char* add_caption;
  const char* cleared_log_line;
  // Only the include list goes to an entry's directory on a double click.
  bool goto_on_double_click;
};

inline constexpr CheckListKind kIncludeListKind{"tree.add_to_list", "Add to List",
                                                "Include_list_cleared=Yes", true};
inline constexpr CheckListKind kExcludeListKind{"tree.add_to_skip", "Add to Skip",
                                                "Exclude_list_cleared=Yes", false};

// The commands of one directory check list: its tab's buttons and menu, the tree's "Add to ..."
// command, and its own file. The include and the exclude list each have one.
class CheckListCommands final : public QObject {
 public:
  struct Context {
    const CheckListKind& kind;
    CheckList& list;
    // The list's own file: the start-up load, the automatic save, and where the pickers start.
    const std::string& list_file;
    CheckListWidget* view;
    ListTabControls controls;
    // The directory the tree's selection mark is on; "" when none.
    std::function<std::string()> marked_directory;
  };

  CheckListCommands(ListCommandContext shared, Context context);

  // Registers the tree's "Add to ..." command under its id and answers the tab's controls.
  void Register(CommandRegistry& commands);

  // The start-up load: when the list's own file exists, the list is refilled from it. "" when
  // all went well, else the message to show.
  std::string Reload();
  // The shutdown's save to the list's own file, without a dialog.
  void AutoSave();

 private:
  void Clear();
  void Load();
  void Save();
  void GotoEntry(int row);
  void AddDirectory();
  void RemoveDirectory();
  void CheckEntries(bool on);
  void AddTreeDirectory();

  ListCommandContext shared_;
  Context ctx_;
};

}  // namespace krellix
