#include "itemlist/item_commands.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <algorithm>

#include "itemlist/item_click.h"
#include "itemlist/item_list.h"
#include "itemlist/item_list_ops.h"
#include "itemlist/item_list_view.h"
#include "itemlist/statistics.h"
#include "platform/attributes.h"
#include "platform/prompter.h"
#include "widgets/command_registry.h"
#include "widgets/qt_text.h"

namespace krellix {

ItemCommands::ItemCommands(Context context, QObject* parent)
    : QObject(parent), ctx_(std::move(context)) {}

void ItemCommands::Register(CommandRegistry& commands) {
  ItemActions& a = actions_;
  a.select_all = commands.Add("items.select_all", "Select All", QKeySequence("Ctrl+A"),
                              [this] { SelectAll(true); });
  a.select_none = commands.Add("items.select_none", "Select None", QKeySequence("Ctrl+N"),
                               [this] { SelectAll(false); });
  a.select_similar =
      commands.Add("items.select_similar", "Select Similar", {}, [this] { SelectSimilarLines(); });
  a.sort = commands.Add("items.sort", "Sort", QKeySequence("Ctrl+S"), [this] { SortLines(); });
  a.clear = commands.Add("items.clear", "Clear", {}, [this] { Clear(); });
  a.exclude = commands.Add(
      "items.exclude", "Exclude from item list", {}, [this] { ExcludeLines(); },
      SelectionRule::kOneOrMore);
  a.filename_to_clipboard = commands.Add(
      "items.filename_to_clipboard", "Filename to clipboard", QKeySequence("Ctrl+Shift+F"),
      [this] { NamesToClipboard(false); }, SelectionRule::kOneOrMore);
  a.path_to_clipboard = commands.Add(
      "items.path_to_clipboard", "Path to clipboard", QKeySequence("Ctrl+Shift+P"),
      [this] { NamesToClipboard(true); }, SelectionRule::kOneOrMore);
  a.move_up = commands.Add("items.move_up", "Move up", {}, [this] { MoveCurrent(true); });
  a.move_down = commands.Add("items.move_down", "Move down", {}, [this] { MoveCurrent(false); });
}

void ItemCommands::Connect(CommandRegistry& commands, std::initializer_list<QMenu*> menus) {
  for (QMenu* menu : menus) {
    // Shortcuts of a disabled command do nothing; so only an open menu shows the enabling,
    // and the commands report an empty selection themselves.
    connect(menu, &QMenu::aboutToShow, this, [this, &commands] {
      commands.ApplySelection(ctx_.items.SelectedCount(), true);
      // Lines in arrival order have no key to compare neighbours by.
      actions_.select_similar->setEnabled(ctx_.order != ItemOrder::kArrival);
    });
    connect(menu, &QMenu::aboutToHide, this, [this, &commands] {
      commands.ApplySelection(0, false);
      actions_.select_similar->setEnabled(true);
    });
  }
  ItemListView* view = ctx_.view;
  connect(view, &QAbstractItemView::clicked, this, [this] { Click(); });
  // Moving through the list with the keys acts as clicking each line reached.
  connect(view, &ItemListView::movedByKey, this, [this] { Click(); });
  connect(view, &QAbstractItemView::doubleClicked, this, [this] { DoubleClick(); });
}

void ItemCommands::Click() {
  const ItemList& items = ctx_.items;
  const std::size_t selected = items.SelectedCount();
  const std::int64_t current = items.Current();
  const bool has_current = current >= 0 && static_cast<std::size_t>(current) < items.Count();
  if (!has_current || !items.IsItem(static_cast<std::size_t>(current))) {
    // A line that is no item names no file: it is shown as it stands.
    if (selected >= 2) {
      ctx_.host.ShowStatus(ClickStatusText(selected, "", std::nullopt));
    } else if (has_current) {
      ctx_.host.ShowStatus(std::string(items.Line(static_cast<std::size_t>(current))));
    }
    return;
  }
  const std::string full_name = GetItemListFilename(items, static_cast<std::size_t>(current));
  std::optional<std::uint32_t> attributes;
  if (selected < 2) {
    std::uint32_t word = 0;
    if (ReadAttributes(full_name, word)) attributes = word;
  }
  ctx_.host.ShowStatus(ClickStatusText(selected, full_name, attributes));
  ctx_.host.FillRenameBox(full_name);
  ctx_.host.ViewFile(full_name, false);
}

void ItemCommands::DoubleClick() {
  const ItemList& items = ctx_.items;
  const std::int64_t current = items.Current();
  if (current < 0 || static_cast<std::size_t>(current) >= items.Count() ||
      !items.IsItem(static_cast<std::size_t>(current)) || !ctx_.open_current) {
    return;
  }
  ctx_.open_current();
}

void ItemCommands::SelectAll(bool on) {
  if (ctx_.busy()) return;
  QApplication::setOverrideCursor(Qt::BusyCursor);
  ctx_.items.SetAllSelected(on);
  ctx_.view->RefreshSelection();
  QApplication::restoreOverrideCursor();
  ctx_.host.ClearRenameBox();
}

void ItemCommands::SelectSimilarLines() {
  if (ctx_.busy()) return;
  SelectSimilar(ctx_.items, ctx_.order);
  ctx_.view->RefreshSelection();
  ctx_.host.ClearRenameBox();
}

void ItemCommands::SortLines() {
  if (ctx_.busy()) return;
  // Sorting once keeps the list's mode: a list in arrival order ("-") gets its lines in order
  // now, and later lines still arrive at the end.
  ctx_.items.Sort();
  ctx_.view->Refresh();
  ctx_.host.ClearRenameBox();
}

void ItemCommands::Clear() {
  if (ctx_.busy()) return;
  ctx_.items.Clear();
  ctx_.view->Refresh();
  ctx_.host.ClearRenameBox();
  ctx_.stats.ResetSizes();
  ctx_.forget_widths();
  ctx_.view->SetScrollWidth(0);
  ctx_.host.ShowStatus(ctx_.copyright);
}

void ItemCommands::ExcludeLines() {
  if (ctx_.busy()) return;
  ctx_.items.DeleteSelected();
  ctx_.view->Refresh();
}

void ItemCommands::MoveCurrent(bool up) {
  if (ctx_.busy()) return;
  const std::int64_t from = ctx_.items.Current();
  if (!(up ? MoveCurrentUp(ctx_.items) : MoveCurrentDown(ctx_.items))) return;
  const std::int64_t to = ctx_.items.Current();
  ctx_.view->RefreshLines(static_cast<std::size_t>(std::min(from, to)),
                          static_cast<std::size_t>(std::max(from, to)));
}

void ItemCommands::NamesToClipboard(bool full_path) {
  const ClipboardNames names = BuildClipboardNames(ctx_.items, full_path);
  if (!names.any) {
    ctx_.host.ShowStatus("Copy failed: no item selected");
    return;
  }
  if (names.not_copied > 0) {
    ctx_.prompter.ShowMessage(
        MessageKind::kInformation,
        "Last " + std::to_string(names.not_copied) + " items not copied to clipboard");
  }
  QApplication::clipboard()->setText(PathToQt(names.text));
}

}  // namespace krellix
