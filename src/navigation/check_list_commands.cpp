#include "navigation/check_list_commands.h"

#include <QAction>
#include <QPushButton>

#include "base/activity_log.h"
#include "navigation/check_list_widget.h"
#include "platform/file_system.h"
#include "platform/prompter.h"
#include "scan/scan_host.h"
#include "widgets/command_registry.h"

namespace krellix {

CheckListCommands::CheckListCommands(ListCommandContext shared, Context context)
    : shared_(std::move(shared)), ctx_(std::move(context)) {}

void CheckListCommands::Register(CommandRegistry& commands) {
  commands.Add(ctx_.kind.add_command_id, ctx_.kind.add_caption, {}, [this] { AddTreeDirectory(); });

  const ListTabControls& c = ctx_.controls;
  CheckListWidget* view = ctx_.view;
  connect(c.clear, &QPushButton::clicked, this, [this] { Clear(); });
  connect(c.load, &QPushButton::clicked, this, [this] { Load(); });
  connect(c.save, &QPushButton::clicked, this, [this] { Save(); });
  connect(c.goto_dir, &QAction::triggered, this, [this, view] { GotoEntry(view->currentRow()); });
  connect(c.add, &QAction::triggered, this, [this] { AddDirectory(); });
  connect(c.remove, &QAction::triggered, this, [this] { RemoveDirectory(); });
  connect(c.select_all, &QAction::triggered, this, [this] { CheckEntries(true); });
  connect(c.select_none, &QAction::triggered, this, [this] { CheckEntries(false); });
  if (ctx_.kind.goto_on_double_click) {
    connect(view, &QListWidget::itemDoubleClicked, this,
            [this, view](QListWidgetItem* item) { GotoEntry(view->row(item)); });
  }
}

std::string CheckListCommands::Reload() {
  std::string failure = ReloadCheckList(ctx_.list, ctx_.list_file);
  ctx_.view->Refresh();
  return failure;
}

void CheckListCommands::AutoSave() {
  SaveCheckList(shared_.Saving(), ctx_.list, ctx_.list_file, ListSaveKind::kAutomatic);
}

void CheckListCommands::Clear() {
  shared_.log.AddLogLine(ctx_.kind.cleared_log_line);
  ctx_.list.entries.clear();
  ctx_.view->Refresh();
}

void CheckListCommands::Load() {
  const std::optional<std::string> chosen =
      shared_.prompter.PickOpenFile(kListLoadTitle, ctx_.list_file, kListFilter);
  if (!chosen) return;
  const std::string failure = AppendCheckListFile(ctx_.list, *chosen);
  ctx_.view->Refresh();
  if (!failure.empty()) shared_.prompter.ShowMessage(MessageKind::kError, failure);
}

void CheckListCommands::Save() {
  SaveCheckList(shared_.Saving(), ctx_.list, ctx_.list_file, ListSaveKind::kInteractive);
}

void CheckListCommands::GotoEntry(int row) {
  const std::vector<CheckListEntry>& entries = ctx_.list.entries;
  if (row < 0 || static_cast<std::size_t>(row) >= entries.size()) return;
  const CheckListEntry& entry = entries[static_cast<std::size_t>(row)];
  if (!entry.enabled) return;
  shared_.goto_directory(WithTrailingDelim(entry.text));
}

void CheckListCommands::AddDirectory() {
  const std::optional<std::string> chosen =
      shared_.prompter.PickDirectory("", shared_.host.TreeDirectory());
  if (!chosen) return;
  // With its delimiter, an exclude entry skips this directory, not its namesakes with longer
  // names ("/data/old/" leaves "/data/older" alone).
  ctx_.list.entries.push_back({WithTrailingDelim(*chosen)});
  ctx_.view->Refresh();
}

void CheckListCommands::RemoveDirectory() {
  std::vector<CheckListEntry>& entries = ctx_.list.entries;
  const int row = SelectedListRow(ctx_.view);
  if (row < 0 || static_cast<std::size_t>(row) >= entries.size()) return;
  entries.erase(entries.begin() + row);
  ctx_.view->Refresh();
}

void CheckListCommands::CheckEntries(bool on) {
  for (CheckListEntry& e : ctx_.list.entries) {
    if (e.enabled) e.checked = on;
  }
  ctx_.view->Refresh();
}

void CheckListCommands::AddTreeDirectory() {
  const std::string marked = ctx_.marked_directory();
  if (marked.empty()) return;
  ctx_.list.entries.push_back({WithTrailingDelim(marked)});
  ctx_.view->Refresh();
}

}  // namespace krellix
