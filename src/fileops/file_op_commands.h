#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "fileops/file_ops_host.h"

class QWidget;

namespace krellix {

class AttributesDialog;
class CommandRegistry;
class CopyMoveDialog;
class ItemListView;
class VolumeLabels;
struct WindowPlace;

// Delete, Purge, Copy, Move and Attrib of the selected items, and "Delete directory" of the
// directory tree. It owns their actions, the "Copy / Move" and "Set Attribute(s)" dialogs, and is
// the window side of the runs.
class FileOpCommands final : public QObject, public FileOpsHost {
 public:
  struct Context {
    ItemList& items;
    ScanState& state;  // StopIntvl and the stop request
    const ConfirmOptions& confirm;
    Prompter& prompter;
    ActivityLog& log;
    const Clock& clock;
    ItemListView* view;
    QWidget* window;  // the parent of the dialog
    // The status line, the rename box and the preview.
    std::function<void(const std::string&)> show_status;
    std::function<void()> clear_rename_box;
    std::function<void()> stop_preview;
    std::function<void()> follow_preview;
    // The commands that start a run are off while one is under way.
    std::function<void(bool)> enable_run_commands;
    // True while another run polls events: no run starts then.
    std::function<bool()> busy;
    // After every run (a close asked for during it happens now).
    std::function<void()> after_run;
    // The directory tree: the directory it has open, the entry that carries its selection
    // mark, opening a directory, and reading the disk again with the drive box.
    std::function<std::string()> tree_directory;
    std::function<std::string()> marked_directory;
    std::function<void(const std::string&)> open_tree_directory;
    std::function<void()> refresh_drives_and_tree;
    // What the "Copy / Move" dialog offers and where it stands.
    VolumeLabels& volumes;
    std::function<std::vector<std::string>()> bookmarks;
    const int& address_size;
    WindowPlace& dialog_place;
    int& dialog_splitter;
    const bool& save_place;
  };

  FileOpCommands(Context context, QObject* parent);
  ~FileOpCommands() override;

  // Registers "items.delete", "items.purge", "items.copy", "items.move", "items.attrib", the
  // tool bar's "items.delete_button" and "tree.delete_directory".
  void Register(CommandRegistry& commands);

  // True while a run is under way.
  bool Running() const { return running_; }
  CopyMoveDialog* Dialog() const { return dialog_; }
  // The "Set Attribute(s)" dialog, once it has been opened.
  AttributesDialog* AttribDialog() const { return attrib_dialog_; }

  // FileOpsHost
  void ShowStatus(const std::string& text) override { ctx_.show_status(text); }
  void StopPreview() override { ctx_.stop_preview(); }
  void BeginBusy() override;
  void EndBusy() override;
  void ClearRenameBox() override { ctx_.clear_rename_box(); }
  std::int64_t TopLine() override;
  void SetTopLine(std::int64_t line) override { top_line_ = line; }
  void RefreshDrivesAndTree() override { ctx_.refresh_drives_and_tree(); }
  void FollowPreview() override { ctx_.follow_preview(); }
  bool ShowCopyMoveDialog(CopyMoveValues& values) override;
  void OpenTreeDirectory(const std::string& dir) override { ctx_.open_tree_directory(dir); }

 private:
  // Runs `run` with the core's context unless another run is under way.
  void Run(const std::function<void(FileOpsContext&)>& run);

  Context ctx_;
  FileOpsContext core_;
  CopyMoveDialog* dialog_ = nullptr;
  AttributesDialog* attrib_dialog_ = nullptr;
  bool running_ = false;
  // Where the list stands at the end of a run; -1 keeps the scroll position.
  std::int64_t top_line_ = -1;
};

}  // namespace krellix
