// The include ("List"), exclude ("Skip") and file ("Files") lists of the main window: their
// commands, their files, and "Add file to Files list".
#include <QAction>
#include <QDesktopServices>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QUrl>

#include "app/directory_panel.h"
#include "app/list_panel.h"
#include "app/main_window.h"
#include "widgets/qt_text.h"
#include "itemlist/item_click.h"
#include "itemlist/item_list_view.h"
#include "navigation/check_list_widget.h"
#include "navigation/edit_list_dialog.h"
#include "platform/file_system.h"
#include "scan/item_entry.h"

namespace krellix {
namespace {

// The row of the list's current entry when it is also selected; -1 otherwise.
int SelectedRow(const QListWidget* view) {
  const QListWidgetItem* item = view->currentItem();
  return item != nullptr && item->isSelected() ? view->row(item) : -1;
}

}  // namespace

void TForm1::ConnectListCommands() {
  ConnectCheckList(true);
  ConnectCheckList(false);

  const NavigationActions& a = nav_actions_;
  connect(a.add_to_list, &QAction::triggered, this, [this] { AddTreeDirectoryToList(true); });
  connect(a.add_to_skip, &QAction::triggered, this, [this] { AddTreeDirectoryToList(false); });
  connect(a.add_to_files, &QAction::triggered, this, [this] { AddFileToFileList(); });

  edit_window_ = new TForm6(this);
  QListWidget* files = list_panel_->FileView();
  files->addActions({a.file_goto, a.file_open, a.file_clear, a.file_load, a.file_edit, a.file_save,
                     a.file_remove});
  connect(a.file_goto, &QAction::triggered, this, [this] { FileListGoto(false); });
  connect(a.file_open, &QAction::triggered, this, [this] { FileListGoto(true); });
  connect(files, &QListWidget::itemDoubleClicked, this, [this] { FileListGoto(true); });
  connect(a.file_clear, &QAction::triggered, this, [this] { ClearFileList(); });
  connect(a.file_load, &QAction::triggered, this, [this] { LoadFileList(); });
  connect(a.file_edit, &QAction::triggered, this, [this] { EditFileList(); });
  connect(a.file_save, &QAction::triggered, this, [this] { SaveFileListCommand(); });
  connect(a.file_remove, &QAction::triggered, this, [this] { RemoveFileEntry(); });
  auto* del = new QShortcut(QKeySequence(Qt::Key_Delete), files);
  del->setContext(Qt::WidgetShortcut);
  connect(del, &QShortcut::activated, this, [this] { RemoveFileEntry(); });
}

void TForm1::ConnectCheckList(bool include) {
  const ListTabControls& c =
      include ? directory_panel_->IncludeControls() : directory_panel_->ExcludeControls();
  CheckListWidget* view =
      include ? directory_panel_->IncludeView() : directory_panel_->ExcludeView();
  connect(c.clear, &QPushButton::clicked, this, [this, include] { ClearCheckList(include); });
  connect(c.load, &QPushButton::clicked, this, [this, include] { LoadCheckList(include); });
  connect(c.save, &QPushButton::clicked, this, [this, include] { SaveCheckListCommand(include); });
  connect(c.goto_dir, &QAction::triggered, this,
          [this, include, view] { GotoCheckListEntry(include, view->currentRow()); });
  connect(c.add, &QAction::triggered, this, [this, include] { AddDirectoryToList(include); });
  connect(c.remove, &QAction::triggered, this, [this, include] { RemoveListDirectory(include); });
  connect(c.select_all, &QAction::triggered, this,
          [this, include] { CheckListEntries(include, true); });
  connect(c.select_none, &QAction::triggered, this,
          [this, include] { CheckListEntries(include, false); });
  if (include) {
    connect(view, &QListWidget::itemDoubleClicked, this,
            [this, view](QListWidgetItem* item) { GotoCheckListEntry(true, view->row(item)); });
  }
}

ListSaverContext TForm1::ListSaving() {
  return ListSaverContext{log_, prompter_, *output_dialogs_,
                          [this](const std::string& text) { ShowStatus(text); }};
}

void TForm1::LoadListFiles() {
  const std::string failures[] = {ReloadCheckList(include_list_, paths_.IncListName),
                                  ReloadCheckList(exclude_list_, paths_.ExcListname),
                                  ReloadFileList(file_list_, paths_.FileListName)};
  directory_panel_->IncludeView()->Refresh();
  directory_panel_->ExcludeView()->Refresh();
  ShowFileList();
  for (const std::string& failure : failures) {
    if (!failure.empty()) prompter_.ShowMessage(MessageKind::kError, failure);
  }
}

void TForm1::AutoSaveIncludeList() {
  SaveCheckList(ListSaving(), include_list_, paths_.IncListName, ListSaveKind::kAutomatic);
}

void TForm1::AutoSaveExcludeList() {
  SaveCheckList(ListSaving(), exclude_list_, paths_.ExcListname, ListSaveKind::kAutomatic);
}

void TForm1::AutoSaveFileList() {
  SaveFileList(ListSaving(), file_list_, paths_.FileListName, ListSaveKind::kAutomatic);
}

void TForm1::ClearCheckList(bool include) {
  log_.AddLogLine(include ? "Include_list_cleared=Yes" : "Exclude_list_cleared=Yes");
  (include ? include_list_ : exclude_list_).entries.clear();
  (include ? directory_panel_->IncludeView() : directory_panel_->ExcludeView())->Refresh();
}

void TForm1::LoadCheckList(bool include) {
  const std::optional<std::string> chosen = prompter_.PickOpenFile(
      kListLoadTitle, include ? paths_.IncListName : paths_.ExcListname, kListFilter);
  if (!chosen) return;
  const std::string failure = AppendCheckListFile(include ? include_list_ : exclude_list_, *chosen);
  (include ? directory_panel_->IncludeView() : directory_panel_->ExcludeView())->Refresh();
  if (!failure.empty()) prompter_.ShowMessage(MessageKind::kError, failure);
}

void TForm1::SaveCheckListCommand(bool include) {
  SaveCheckList(ListSaving(), include ? include_list_ : exclude_list_,
                include ? paths_.IncListName : paths_.ExcListname, ListSaveKind::kInteractive);
}

void TForm1::GotoCheckListEntry(bool include, int row) {
  const CheckList& list = include ? include_list_ : exclude_list_;
  if (row < 0 || static_cast<std::size_t>(row) >= list.entries.size()) return;
  const CheckListEntry& entry = list.entries[static_cast<std::size_t>(row)];
  if (!entry.enabled) return;
  GotoDirectory(WithTrailingDelim(entry.text));
}

void TForm1::AddDirectoryToList(bool include) {
  const std::optional<std::string> chosen = prompter_.PickDirectory("", current_dir_);
  if (!chosen) return;
  // With its delimiter, an exclude entry skips this directory, not its namesakes with longer
  // names ("/data/old/" leaves "/data/older" alone).
  (include ? include_list_ : exclude_list_).entries.push_back({WithTrailingDelim(*chosen)});
  (include ? directory_panel_->IncludeView() : directory_panel_->ExcludeView())->Refresh();
}

void TForm1::RemoveListDirectory(bool include) {
  CheckListWidget* view =
      include ? directory_panel_->IncludeView() : directory_panel_->ExcludeView();
  std::vector<CheckListEntry>& entries = (include ? include_list_ : exclude_list_).entries;
  const int row = SelectedRow(view);
  if (row < 0 || static_cast<std::size_t>(row) >= entries.size()) return;
  entries.erase(entries.begin() + row);
  view->Refresh();
}

void TForm1::CheckListEntries(bool include, bool on) {
  for (CheckListEntry& e : (include ? include_list_ : exclude_list_).entries) {
    if (e.enabled) e.checked = on;
  }
  (include ? directory_panel_->IncludeView() : directory_panel_->ExcludeView())->Refresh();
}

void TForm1::AddTreeDirectoryToList(bool include) {
  const std::string marked = directory_panel_->MarkedDirectory();
  if (marked.empty()) return;
  (include ? include_list_ : exclude_list_).entries.push_back({WithTrailingDelim(marked)});
  (include ? directory_panel_->IncludeView() : directory_panel_->ExcludeView())->Refresh();
}

void TForm1::ShowFileList() {
  QListWidget* view = list_panel_->FileView();
  view->clear();
  // One insertion for all rows: one per entry is slow for long lists.
  QStringList texts;
  texts.reserve(static_cast<qsizetype>(file_list_.size()));
  for (const std::string& entry : file_list_) texts.append(PathToQt(entry));
  view->addItems(texts);
}

void TForm1::FileListGoto(bool open) {
  const int row = list_panel_->FileView()->currentRow();
  if (row < 0 || static_cast<std::size_t>(row) >= file_list_.size()) return;
  const std::string entry = file_list_[static_cast<std::size_t>(row)];
  const std::string dir = WithTrailingDelim(DirectoryPart(entry));
  // With AutoScan on, the change lists the whole directory, so the entry's line is there.
  SetScanText("*.*");
  if (!GotoDirectory(dir)) return;
  log_.AddLogLine("Goto=" + dir);

  ItemListView* view = list_panel_->ItemView();
  std::int64_t first = -1;
  for (std::size_t i = 0; i < items_.Count(); ++i) {
    if (GetItemListFilename(items_, i) != entry) continue;
    items_.SetSelected(i, true);
    if (first < 0) first = static_cast<std::int64_t>(i);
  }
  view->RefreshSelection();
  if (first >= 0) {
    view->scrollTo(view->model()->index(static_cast<int>(first), 0),
                   QAbstractItemView::PositionAtTop);
  }
  if (!open) return;
  QDesktopServices::openUrl(QUrl::fromEncoded(QByteArray::fromStdString(LocalFileUrl(entry))));
  log_.AddLogLine("Open_File=" + entry);
}

void TForm1::ClearFileList() {
  log_.AddLogLine("File_list_cleared=Yes");
  file_list_.clear();
  ShowFileList();
}

void TForm1::LoadFileList() {
  const std::optional<std::string> chosen =
      prompter_.PickOpenFile(kListLoadTitle, paths_.FileListName, kListFilter);
  if (!chosen) return;
  const std::string failure = AppendFileListFile(file_list_, *chosen);
  ShowFileList();
  if (!failure.empty()) {
    prompter_.ShowMessage(MessageKind::kError, failure);
    return;
  }
  log_.AddLogLine("Filelist_Loaded=" + *chosen);
}

void TForm1::EditFileList() {
  std::optional<std::vector<std::string>> edited = edit_window_->Edit(file_list_);
  if (!edited) return;
  file_list_ = std::move(*edited);
  ShowFileList();
}

void TForm1::SaveFileListCommand() {
  SaveFileList(ListSaving(), file_list_, paths_.FileListName, ListSaveKind::kInteractive);
}

void TForm1::RemoveFileEntry() {
  const int row = SelectedRow(list_panel_->FileView());
  if (row < 0 || static_cast<std::size_t>(row) >= file_list_.size()) return;
  file_list_.erase(file_list_.begin() + row);
  ShowFileList();
}

void TForm1::AddFileToFileList() {
  const std::size_t before = file_list_.size();
  if (items_.SelectedCount() > 1) {
    for (std::size_t i = 0; i < items_.Count(); ++i) {
      if (items_.Selected(i) && items_.IsItem(i)) {
        file_list_.push_back(GetItemListFilename(items_, i));
      }
    }
  } else {
    const std::int64_t current = items_.Current();
    if (current < 0 || static_cast<std::size_t>(current) >= items_.Count() ||
        !items_.Selected(static_cast<std::size_t>(current)) ||
        !items_.IsItem(static_cast<std::size_t>(current))) {
      ShowStatus("Add failed: no item selected");
      return;
    }
    file_list_.push_back(
        GetItemListFilename(items_, static_cast<std::size_t>(current)));
  }
  if (file_list_.size() != before) ShowFileList();
}

}  // namespace krellix
