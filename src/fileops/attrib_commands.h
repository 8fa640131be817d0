#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <string>

#include "fileops/file_ops_host.h"

class QWidget;

namespace krellix {

class AttributesDialog;
class CommandRegistry;
class ItemListView;

// "Attrib" of the selected items: owns its action and the "Set Attribute(s)" dialog, and is
// the window side of the run.
class AttribCommands final : public QObject, public FileOpsHost {
 public:
  struct Context {
    ItemList& items;
    ScanState& state;  // StopIntvl
    const ConfirmOptions& confirm;
    Prompter& prompter;
    ActivityLog& log;
    const Clock& clock;
    ItemListView* view;
    QWidget* window;  // the parent of the dialog
    std::function<void(const std::string&)> show_status;
    std::function<void()> clear_rename_box;
    std::function<void()> stop_preview;
    // The commands that start a run are off while one is under way.
    std::function<void(bool)> enable_run_commands;
    // True while another run polls events: no run starts then.
    std::function<bool()> busy;
    // After every run (a close asked for during it happens now).
    std::function<void()> after_run;
  };

  AttribCommands(Context context, QObject* parent);
  ~AttribCommands() override;

  // Registers "items.attrib" (Ctrl+T, one or more selected items).
  void Register(CommandRegistry& commands);

  // True while a run is under way.
  bool Running() const { return running_; }
  // The dialog, once it has been opened.
  AttributesDialog* Dialog() const { return dialog_; }

  // FileOpsHost
  void ShowStatus(const std::string& text) override { ctx_.show_status(text); }
  void StopPreview() override { ctx_.stop_preview(); }
  void BeginBusy() override;
  void EndBusy() override;
  void ClearRenameBox() override { ctx_.clear_rename_box(); }
  std::int64_t TopLine() override { return 0; }
  void SetTopLine(std::int64_t /*line*/) override {}
  void RefreshDrivesAndTree() override {}
  void FollowPreview() override {}
  bool ShowCopyMoveDialog(CopyMoveValues& /*values*/) override { return false; }
  void OpenTreeDirectory(const std::string& /*dir*/) override {}

 private:
  void Run();

  Context ctx_;
  FileOpsContext core_;
  AttributesDialog* dialog_ = nullptr;
  bool running_ = false;
};

}  // namespace krellix
