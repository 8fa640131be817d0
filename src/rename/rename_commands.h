#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <string>

#include "rename/rename_run.h"

class QAction;
class QWidget;

namespace krellix {

class CommandRegistry;
class ItemListView;
class RenameDialog;
class RenamePane;
class RenamePreviewDialog;

// The batch rename ("Rename", Ctrl+R, F7), the rename pane and its "Show Rename" switch. It
// owns the "Rename" dialog, the "Preview Rename" window and the pane, and is the window side of
// the rename runs.
class RenameCommands final : public QObject, public RenameHost {
 public:
  struct Context {
    ItemList& items;
    ScanState& state;  // StopIntvl and the widest line
    const ConfirmOptions& confirm;
    bool& remember;     // "Remember parameters"
    bool& show_rename;  // the pane shows
    Prompter& prompter;
    ActivityLog& log;
    const Clock& clock;
    ItemListView* view;
    QWidget* window;  // the parent of the dialogs
    std::function<void(const std::string&)> show_status;
    std::function<void()> stop_preview;
    std::function<void()> refresh_drives_and_tree;
    // The item list's click handling for the current line.
    std::function<void()> click_current;
    // The width of an item line in the list's font, and the list's own width.
    std::function<int(const std::string&)> line_width;
    std::function<int()> list_width;
    // The commands that start a run are off while one is under way.
    std::function<void(bool)> enable_run_commands;
    // True while another run polls events: no rename starts then.
    std::function<bool()> busy;
    // After every run (a close asked for during it happens now).
    std::function<void()> after_run;
  };

  RenameCommands(Context context, QObject* parent);
  ~RenameCommands() override;

  // Registers "items.rename" and "view.rename".
  void Register(CommandRegistry& commands);
  // Shows the pane and the "Show Rename" mark as the setting says.
  void ApplySetting();

  // The pane, for the window to place under the item list.
  RenamePane* Pane() const { return pane_; }
  RenameDialog* Dialog();
  RenamePreviewDialog* Preview();
  bool Running() const { return running_; }

  // RenameHost
  void ShowStatus(const std::string& text) override { ctx_.show_status(text); }
  void StopPreview() override { ctx_.stop_preview(); }
  void BeginBusy() override;
  void EndBusy() override;
  void ClearRenameBox() override;
  void RefreshDrivesAndTree() override { ctx_.refresh_drives_and_tree(); }
  int LineWidth(const std::string& line) override { return ctx_.line_width(line); }
  int ItemListWidth() override { return ctx_.list_width(); }
  void SetScrollWidth(int width) override;
  bool ShowRenameDialog(RenameParameters& params) override;
  bool ShowRenamePreview(const RenamePreviewRows& rows) override;
  void ClickCurrent() override;

 private:
  void Run(const std::function<void()>& run);
  void PaneRename();

  Context ctx_;
  RenameParameters params_;
  RenameContext core_;
  RenamePane* pane_ = nullptr;
  RenameDialog* dialog_ = nullptr;
  RenamePreviewDialog* preview_ = nullptr;
  QAction* show_rename_ = nullptr;
  bool running_ = false;
};

}  // namespace krellix
