#include "rename/rename_commands.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>

#include "base/exclusive_run.h"
#include "checksums/gen_md5.h"
#include "itemlist/item_list_view.h"
#include "rename/rename_dialog.h"
#include "rename/rename_pane.h"
#include "rename/rename_preview_dialog.h"
#include "widgets/command_registry.h"

namespace krellix {

RenameCommands::RenameCommands(Context context, QObject* parent)
    : QObject(parent),
      ctx_(std::move(context)),
      core_{ctx_.items,    ctx_.state,
            ctx_.confirm,  params_,
            ctx_.remember, *this,
            ctx_.prompter, ctx_.log,
            ctx_.clock,    [](const std::string& name) { return GenMD5(name); }},
      pane_(new RenamePane) {
  pane_->setVisible(false);
  connect(pane_, &RenamePane::renameRequested, this, &RenameCommands::PaneRename);
}

RenameCommands::~RenameCommands() = default;

void RenameCommands::Register(CommandRegistry& commands) {
  commands.Add(
      "items.rename", "Rename", QKeySequence("Ctrl+R"),
      [this] { Run([this] { RenameSelectedItems(core_); }); }, SelectionRule::kOneOrMore);
  show_rename_ = commands.Add("view.rename", "Show Rename", QKeySequence("Ctrl+Alt+R"), [] {});
  show_rename_->setCheckable(true);
  connect(show_rename_, &QAction::toggled, this, [this](bool on) {
    ctx_.show_rename = on;
    pane_->setVisible(on);
  });
}

void RenameCommands::ApplySetting() {
  if (show_rename_ != nullptr) show_rename_->setChecked(ctx_.show_rename);
  pane_->setVisible(ctx_.show_rename);
}

RenameDialog* RenameCommands::Dialog() {
  if (dialog_ == nullptr) dialog_ = new RenameDialog(ctx_.remember, ctx_.window);
  return dialog_;
}

RenamePreviewDialog* RenameCommands::Preview() {
  if (preview_ == nullptr) preview_ = new RenamePreviewDialog(ctx_.window);
  return preview_;
}

void RenameCommands::Run(const std::function<void()>& run) {
  RunExclusively(running_, ctx_.busy, ctx_.after_run, run);
}

void RenameCommands::PaneRename() {
  pane_->Field()->setFocus();
  Run([this] {
    // The run ends by clicking the current line, which shows the list as it now is.
    RenamePaneRename(core_, pane_->Text());
  });
}

void RenameCommands::BeginBusy() {
  QApplication::setOverrideCursor(Qt::BusyCursor);
  ctx_.view->BeginBusy();
  ctx_.enable_run_commands(false);
}

void RenameCommands::EndBusy() {
  ctx_.view->EndBusy();
  QApplication::restoreOverrideCursor();
  ctx_.enable_run_commands(true);
}

void RenameCommands::ClearRenameBox() { pane_->Clear(); }

void RenameCommands::SetScrollWidth(int width) { ctx_.view->SetScrollWidth(width); }

bool RenameCommands::ShowRenameDialog(RenameParameters& params) { return Dialog()->Run(params); }

bool RenameCommands::ShowRenamePreview(const RenamePreviewRows& rows) {
  return Preview()->Run(rows);
}

void RenameCommands::ClickCurrent() {
  ctx_.view->Refresh();
  ctx_.click_current();
}

}  // namespace krellix
