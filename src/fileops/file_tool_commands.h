#pragma once

#include <QObject>
#include <functional>
#include <string>

#include "fileops/directory_commands.h"

class QWidget;

namespace krellix {

class ActivityLog;
class CommandRegistry;
class CreateDirectoryDialog;
class ItemList;
class JoinSplitDialog;
class Prompter;
class SavingFileQuestion;
struct ConfirmOptions;

// "Split / Join" of the selected items, and "Create directory" and "Rename directory" of the
// directory tree. It owns their actions and the "Join / Split" and "Create directory " dialogs.
class FileToolCommands final : public QObject {
 public:
  struct Context {
    ItemList& items;
    Prompter& prompter;
    ActivityLog& log;
    const ConfirmOptions& confirm;
    QWidget* window;  // the parent of the dialogs
    std::function<SavingFileQuestion&()> saving_file;
    std::function<void()> stop_preview;
    std::function<void()> clear_rename_box;
    // True while a run polls events: no command starts then.
    std::function<bool()> busy;
    // The directory tree: the directory it has open, its highlighted entry, opening a
    // directory, and reading the disk again.
    std::function<std::string()> tree_directory;
    std::function<std::string()> marked_directory;
    std::function<void(const std::string&)> open_tree_directory;
    std::function<void()> refresh_tree;
  };

  FileToolCommands(Context context, QObject* parent);

  // Registers "items.split_join", "tree.create_directory" and "tree.rename_directory".
  void Register(CommandRegistry& commands);

  void JoinSelectedItems();
  void CreateDirectory1Click();
  void RenameDirectory1Click();

  // The dialogs, once opened.
  JoinSplitDialog* JoinSplit() const { return join_split_; }
  CreateDirectoryDialog* CreateDirectory() const { return create_directory_; }

 private:
  DirectoryCommandsEnv DirectoryEnv();
  // The one-line prompt of "Rename directory"; a cancelled prompt gives `text` back.
  std::string AskText(const std::string& title, const std::string& caption,
                      const std::string& text);

  Context ctx_;
  CreateDirectoryValues create_values_;
  JoinSplitDialog* join_split_ = nullptr;
  CreateDirectoryDialog* create_directory_ = nullptr;
};

}  // namespace krellix
