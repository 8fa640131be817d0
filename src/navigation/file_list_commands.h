#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <string>

#include "navigation/list_command_context.h"
#include "navigation/list_files.h"

class QListWidget;
class QWidget;

namespace krellix {

class CommandRegistry;
class ItemList;
class EditListDialog;

// The commands of the file list ("Files" tab): its menu, the double click and Delete on it,
// "Add file to Files list" of the item list, and its own file.
class FileListCommands final : public QObject {
 public:
  struct Context {
    FileList& list;
    // The list's own file: the start-up load and the automatic save. "Save list" makes the
    // chosen file its own.
    std::string& list_file;
    ItemList& items;    // where entries come from and where "Goto..." selects them
    QListWidget* view;  // the "Files" tab
    QWidget* window;    // the parent of the "Edit" window
    // Shows the item list's changed selection, line `first` at the top when it is 0 or more.
    std::function<void(std::int64_t first)> show_selection;
  };

  FileListCommands(ListCommandContext shared, Context context);

  // Registers "items.add_to_files" and the "Files" tab's commands ("files.goto", "files.open",
  // "files.clear", "files.load", "files.edit", "files.save", "files.remove"), puts the latter in
  // the tab's menu and answers the tab.
  void Register(CommandRegistry& commands);

  // The start-up load: when the list's own file exists, the list is refilled from it. "" when
  // all went well, else the message to show.
  std::string Reload();
  // The shutdown's save to the list's own file, without a dialog.
  void AutoSave();

 private:
  void Show();
  // "Goto..." the entry's directory with its line selected; `open` also opens the file.
  void Goto(bool open);
  void Clear();
  void Load();
  void Edit();
  void Save();
  void RemoveEntry();
  void AddFromItems();

  ListCommandContext shared_;
  Context ctx_;
  EditListDialog* edit_window_ = nullptr;  // owned by the window
};

}  // namespace krellix
