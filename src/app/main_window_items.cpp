// The item list commands of the main window: selection, sorting, filtering, line moves,
// clipboard names, the click and double click on a line, and the enabling of the commands.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QMenu>
#include <QUrl>

#include "app/directory_panel.h"
#include "app/list_panel.h"
#include "app/main_window.h"
#include "app/qt_text.h"
#include "app/startup_defaults.h"
#include "itemlist/item_click.h"
#include "itemlist/item_list_ops.h"
#include "itemlist/item_list_view.h"
#include "platform/attributes.h"
#include "scan/item_entry.h"

namespace krellix {
namespace {

QAction* NewAction(QObject* owner, const QString& text, const QKeySequence& keys = {}) {
  auto* action = new QAction(text, owner);
  action->setShortcut(keys);
  return action;
}

}  // namespace

void TForm1::CreateItemActions() {
  ItemActions& a = item_actions_;
  a.select_all = NewAction(this, "Select All", QKeySequence("Ctrl+A"));
  a.select_none = NewAction(this, "Select None", QKeySequence("Ctrl+N"));
  a.select_similar = NewAction(this, "Select Similar");
  a.sort = NewAction(this, "Sort", QKeySequence("Ctrl+S"));
  a.clear = NewAction(this, "Clear");
  a.exclude = NewAction(this, "Exclude from item list");
  a.filename_to_clipboard = NewAction(this, "Filename to clipboard", QKeySequence("Ctrl+Shift+F"));
  a.path_to_clipboard = NewAction(this, "Path to clipboard", QKeySequence("Ctrl+Shift+P"));
  a.file_info = NewAction(this, "File info...", QKeySequence("Alt+F"));
  a.drive_info = NewAction(this, "Drive info...");

  connect(a.select_all, &QAction::triggered, this, [this] { SelectAllItems(true); });
  connect(a.select_none, &QAction::triggered, this, [this] { SelectAllItems(false); });
  connect(a.select_similar, &QAction::triggered, this, [this] { SelectSimilarItems(); });
  connect(a.sort, &QAction::triggered, this, [this] { SortItems(); });
  connect(a.clear, &QAction::triggered, this, [this] { ClearItems(); });
  connect(a.exclude, &QAction::triggered, this, [this] { ExcludeItems(); });
  connect(a.filename_to_clipboard, &QAction::triggered, this, [this] { NamesToClipboard(false); });
  connect(a.path_to_clipboard, &QAction::triggered, this, [this] { NamesToClipboard(true); });
  connect(a.file_info, &QAction::triggered, this, [this] { Totals2Click(); });
  connect(a.drive_info, &QAction::triggered, this, [this] { Driveinfo1Click(); });
}

void TForm1::ConnectItemCommands() {
  for (QMenu* menu : {actions_.items_menu, list_panel_->ItemMenu()}) {
    connect(menu, &QMenu::aboutToShow, this, [this] { EnableItemCommands(true); });
    connect(menu, &QMenu::aboutToHide, this, [this] { EnableItemCommands(false); });
  }
  directory_panel_->DriveBox()->addAction(item_actions_.drive_info);

  ItemListView* view = list_panel_->ItemView();
  connect(view, &QAbstractItemView::clicked, this, [this] { ItemListClick(); });
  connect(view, &QAbstractItemView::doubleClicked, this, [this] { ItemListDblClick(); });
  connect(list_panel_, &QTabWidget::currentChanged, this, [this](int tab) {
    if (tab == ListPanel::kInfo) Information2Click();
  });
}

void TForm1::EnableItemCommands(bool by_selection) {
  // Shortcuts of a disabled command do nothing; so only an open menu shows the enabling, and
  // the commands report an empty selection themselves.
  commands_.ApplySelection(items_.SelectedCount(), by_selection);
  // Lines in arrival order have no key to compare neighbours by.
  item_actions_.select_similar->setEnabled(!by_selection || state_.SortOutput != '-');
}

void TForm1::ItemListClick() {
  const std::size_t selected = items_.SelectedCount();
  const std::int64_t current = items_.Current();
  const bool has_current = current >= 0 && static_cast<std::size_t>(current) < items_.Count();
  if (!has_current || !items_.IsItem(static_cast<std::size_t>(current))) {
    // A line that is no item names no file: it is shown as it stands.
    if (selected >= 2) {
      ShowStatus(ClickStatusText(selected, "", std::nullopt));
    } else if (has_current) {
      ShowStatus(std::string(items_.Line(static_cast<std::size_t>(current))));
    }
    return;
  }
  const std::string full_name =
      GetItemListFilename(items_, static_cast<std::size_t>(current));
  std::optional<std::uint32_t> attributes;
  if (selected < 2) {
    std::uint32_t word = 0;
    if (ReadAttributes(full_name, word)) attributes = word;
  }
  ShowStatus(ClickStatusText(selected, full_name, attributes));
  FillRenameBox(full_name);
  ViewFile(full_name, false);
}

void TForm1::ItemListDblClick() {
  const std::int64_t current = items_.Current();
  if (current < 0 || static_cast<std::size_t>(current) >= items_.Count() ||
      !items_.Selected(static_cast<std::size_t>(current)) ||
      !items_.IsItem(static_cast<std::size_t>(current))) {
    return;
  }
  const std::string full_name =
      GetItemListFilename(items_, static_cast<std::size_t>(current));
  // A missing file or one without a handler fails in the desktop's own way.
  QDesktopServices::openUrl(QUrl::fromEncoded(QByteArray::fromStdString(LocalFileUrl(full_name))));
}

void TForm1::SelectAllItems(bool on) {
  if (engine_.Running()) return;
  QApplication::setOverrideCursor(Qt::BusyCursor);
  items_.SetAllSelected(on);
  list_panel_->ItemView()->RefreshSelection();
  QApplication::restoreOverrideCursor();
  ClearRenameBox();
}

void TForm1::SelectSimilarItems() {
  if (engine_.Running()) return;
  SelectSimilar(items_, state_.SortOutput);
  list_panel_->ItemView()->RefreshSelection();
  ClearRenameBox();
}

void TForm1::SortItems() {
  if (engine_.Running()) return;
  // Sorting once keeps the list's mode: a list in arrival order ("-") gets its lines in order
  // now, and later lines still arrive at the end.
  items_.Sort();
  list_panel_->ItemView()->Refresh();
  ClearRenameBox();
}

void TForm1::ClearItems() {
  if (engine_.Running()) return;
  items_.Clear();
  ItemListView* view = list_panel_->ItemView();
  view->Refresh();
  ClearRenameBox();
  stats_.ResetSizes();
  state_.MaxListLength = 0;
  state_.MaxListWidth = ItemListWidth();
  view->SetScrollWidth(0);
  ShowStatus(kCopyright);
}

void TForm1::ExcludeItems() {
  if (engine_.Running()) return;
  items_.DeleteSelected();
  list_panel_->ItemView()->Refresh();
}

void TForm1::MoveCurrentItem(bool up) {
  if (engine_.Running()) return;
  const std::int64_t from = items_.Current();
  if (!(up ? MoveCurrentUp(items_) : MoveCurrentDown(items_))) return;
  const std::int64_t to = items_.Current();
  list_panel_->ItemView()->RefreshLines(static_cast<std::size_t>(std::min(from, to)),
                                        static_cast<std::size_t>(std::max(from, to)));
}

void TForm1::NamesToClipboard(bool full_path) {
  const ClipboardNames names = BuildClipboardNames(items_, full_path);
  if (!names.any) {
    ShowStatus("Copy failed: no item selected");
    return;
  }
  if (names.not_copied > 0) {
    prompter_.ShowMessage(MessageKind::kInformation, "Last " + std::to_string(names.not_copied) +
                                                         " items not copied to clipboard");
  }
  QApplication::clipboard()->setText(PathToQt(names.text));
}

}  // namespace krellix
