#include "navigation/file_list_commands.h"

#include <QAction>
#include <QDesktopServices>
#include <QListWidget>
#include <QShortcut>
#include <QUrl>

#include "base/activity_log.h"
#include "itemlist/item_click.h"
#include "itemlist/item_list.h"
#include "navigation/edit_list_dialog.h"
#include "platform/file_system.h"
#include "platform/prompter.h"
#include "scan/scan_host.h"
#include "widgets/command_registry.h"
#include "widgets/qt_text.h"

namespace krellix {

FileListCommands::FileListCommands(ListCommandContext shared, Context context)
    : shared_(std::move(shared)), ctx_(std::move(context)) {}

void FileListCommands::Register(CommandRegistry& commands) {
  commands.Add(
      "items.add_to_files", "Add file to Files list", QKeySequence("Ctrl+Shift+A"),
      [this] { AddFromItems(); }, SelectionRule::kOneOrMore);

  QListWidget* view = ctx_.view;
  view->addActions({
      commands.Add("files.goto", "Goto...", {}, [this] { Goto(false); }),
      commands.Add("files.open", "Open", {}, [this] { Goto(true); }),
      commands.Add("files.clear", "Clear list", {}, [this] { Clear(); }),
      commands.Add("files.load", "Load list", {}, [this] { Load(); }),
      commands.Add("files.edit", "Edit list", {}, [this] { Edit(); }),
      commands.Add("files.save", "Save list", {}, [this] { Save(); }),
      commands.Add("files.remove", "Remove entry", {}, [this] { RemoveEntry(); }),
  });
  connect(view, &QListWidget::itemDoubleClicked, this, [this] { Goto(true); });
  auto* del = new QShortcut(QKeySequence(Qt::Key_Delete), view);
  del->setContext(Qt::WidgetShortcut);
  connect(del, &QShortcut::activated, this, [this] { RemoveEntry(); });
  edit_window_ = new EditListDialog(ctx_.window);
}

std::string FileListCommands::Reload() {
  std::string failure = ReloadFileList(ctx_.list, ctx_.list_file);
  Show();
  return failure;
}

void FileListCommands::AutoSave() {
  SaveFileList(shared_.Saving(), ctx_.list, ctx_.list_file, ListSaveKind::kAutomatic);
}

void FileListCommands::Show() {
  QListWidget* view = ctx_.view;
  view->clear();
  // One insertion for all rows: one per entry is slow for long lists.
  QStringList texts;
  texts.reserve(static_cast<qsizetype>(ctx_.list.size()));
  for (const std::string& entry : ctx_.list) texts.append(PathToQt(entry));
  view->addItems(texts);
}

void FileListCommands::Goto(bool open) {
  const FileList& list = ctx_.list;
  const int row = ctx_.view->currentRow();
  if (row < 0 || static_cast<std::size_t>(row) >= list.size()) return;
  const std::string entry = list[static_cast<std::size_t>(row)];
  const std::string dir = WithTrailingDelim(DirectoryPart(entry));
  // With AutoScan on, the change lists the whole directory, so the entry's line is there.
  shared_.host.SetScanText("*.*");
  if (!shared_.goto_directory(dir)) return;
  shared_.log.AddLogLine("Goto=" + dir);

  ItemList& items = ctx_.items;
  std::int64_t first = -1;
  for (std::size_t i = 0; i < items.Count(); ++i) {
    if (GetItemListFilename(items, i) != entry) continue;
    items.SetSelected(i, true);
    if (first < 0) first = static_cast<std::int64_t>(i);
  }
  ctx_.show_selection(first);
  if (!open) return;
  QDesktopServices::openUrl(QUrl::fromEncoded(QByteArray::fromStdString(LocalFileUrl(entry))));
  shared_.log.AddLogLine("Open_File=" + entry);
}

void FileListCommands::Clear() {
  shared_.log.AddLogLine("File_list_cleared=Yes");
  ctx_.list.clear();
  Show();
}

void FileListCommands::Load() {
  const std::optional<std::string> chosen =
      shared_.prompter.PickOpenFile(kListLoadTitle, ctx_.list_file, kListFilter);
  if (!chosen) return;
  const std::string failure = AppendFileListFile(ctx_.list, *chosen);
  Show();
  if (!failure.empty()) {
    shared_.prompter.ShowMessage(MessageKind::kError, failure);
    return;
  }
  shared_.log.AddLogLine("Filelist_Loaded=" + *chosen);
}

void FileListCommands::Edit() {
  std::optional<std::vector<std::string>> edited = edit_window_->Edit(ctx_.list);
  if (!edited) return;
  ctx_.list = std::move(*edited);
  Show();
}

void FileListCommands::Save() {
  SaveFileList(shared_.Saving(), ctx_.list, ctx_.list_file, ListSaveKind::kInteractive);
}

void FileListCommands::RemoveEntry() {
  FileList& list = ctx_.list;
  const int row = SelectedListRow(ctx_.view);
  if (row < 0 || static_cast<std::size_t>(row) >= list.size()) return;
  list.erase(list.begin() + row);
  Show();
}

void FileListCommands::AddFromItems() {
  const ItemList& items = ctx_.items;
  FileList& list = ctx_.list;
  const std::size_t before = list.size();
  if (items.SelectedCount() > 1) {
    for (std::size_t i = 0; i < items.Count(); ++i) {
      if (items.Selected(i) && items.IsItem(i)) list.push_back(GetItemListFilename(items, i));
    }
  } else {
    const std::int64_t current = items.Current();
    if (current < 0 || static_cast<std::size_t>(current) >= items.Count() ||
        !items.Selected(static_cast<std::size_t>(current)) ||
        !items.IsItem(static_cast<std::size_t>(current))) {
      shared_.host.ShowStatus("Add failed: no item selected");
      return;
    }
    list.push_back(GetItemListFilename(items, static_cast<std::size_t>(current)));
  }
  if (list.size() != before) Show();
}

}  // namespace krellix
