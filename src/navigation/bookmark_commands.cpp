#include "navigation/bookmark_commands.h"

#include <QAction>
#include <QMenu>

#include "base/activity_log.h"
#include "base/window_place.h"
#include "itemlist/item_list.h"
#include "navigation/bookmarks.h"
#include "navigation/bookmarks_dialog.h"
#include "platform/file_system.h"
#include "scan/scan_host.h"
#include "widgets/command_registry.h"
#include "widgets/qt_text.h"
#include "widgets/screen_fit.h"

namespace krellix {

BookmarkCommands::BookmarkCommands(Context context, QWidget* parent)
    : QObject(parent),
      ctx_(std::move(context)),
      window_(new BookmarksDialog(ctx_.prompter, parent)) {}

void BookmarkCommands::Register(CommandRegistry& commands) {
  commands.Add("bookmarks.add_current", "Bookmark current directory", QKeySequence("Ctrl+B"),
               [this] { BookmarkDirectory(ctx_.current_dir); });
  commands.Add("tree.bookmark", "Bookmark directory", {}, [this] {
    const std::string marked = ctx_.marked_directory();
    if (!marked.empty()) BookmarkDirectory(marked);
  });
  commands.Add(
      "items.bookmark_directory", "Bookmark directory", QKeySequence("Ctrl+Shift+B"),
      [this] { BookmarkItemDirectory(); }, SelectionRule::kExactlyOne);
  QAction* manage = commands.Add("bookmarks.manage", "Manage bookmarks", QKeySequence("Alt+B"),
                                 [this] { ManageBookmarks(); });
  // Alt+B is also the menu bar's key for "&Bookmarks"; the key map gives it to this command.
  manage->setShortcutContext(Qt::WidgetShortcut);
}

void BookmarkCommands::ShowIn(QMenu* menu, QAction* last_fixed) {
  menu_ = menu;
  last_fixed_ = last_fixed;
  ShowBookmarksMenu();
}

void BookmarkCommands::SetBookmarks(std::vector<std::string> entries) {
  ctx_.bookmarks.Assign(std::move(entries));
  ShowBookmarksMenu();
}

void BookmarkCommands::BookmarkDirectory(std::string dir) {
  if (ctx_.bookmarks.BookmarkDirectory(dir, ctx_.favourites_size) == Bookmarks::Added::kExists) {
    ctx_.host.ShowStatus("Bookmark exists for: " + dir);
  } else {
    ctx_.host.ShowStatus("Bookmark=" + dir);
    ctx_.log.AddLogLine("Bookmark=" + dir);
  }
  ShowBookmarksMenu();
}

void BookmarkCommands::JumpToBookmark(const std::string& caption) {
  ctx_.goto_directory(Bookmarks::JumpTarget(caption));
}

void BookmarkCommands::ShowBookmarksMenu() {
  if (menu_ == nullptr) return;
  const QList<QAction*> shown = menu_->actions();
  for (qsizetype i = shown.indexOf(last_fixed_) + 1; i < shown.size(); ++i) {
    menu_->removeAction(shown[i]);
    shown[i]->deleteLater();
  }
  for (const std::string& entry : ctx_.bookmarks.Entries()) {
    // A "&" in a path is text, not the mark of a menu key.
    QAction* jump = menu_->addAction(PathToQt(entry).replace('&', "&&"));
    connect(jump, &QAction::triggered, this, [this, entry] { JumpToBookmark(entry); });
  }
}

void BookmarkCommands::BookmarkItemDirectory() {
  const ItemList& items = ctx_.items;
  const std::int64_t current = items.Current();
  if (current < 0 || static_cast<std::size_t>(current) >= items.Count() ||
      !items.IsItem(static_cast<std::size_t>(current))) {
    ctx_.host.ShowStatus("No item selected for Bookmark");
    return;
  }
  BookmarkDirectory(DirectoryPart(GetItemListFilename(items, static_cast<std::size_t>(current))));
}

void BookmarkCommands::ManageBookmarks() {
  WindowPlace& place = ctx_.window_place;
  if (ctx_.save_place && place.width > 0) {
    window_->setGeometry(
        WithSizeOnDesktop(QRect(place.left, place.top, place.width, place.height)));
  }
  std::optional<std::vector<std::string>> edited =
      window_->Edit(ctx_.current_dir, ctx_.bookmarks.Entries(), ctx_.favourites_size);
  const QRect shown = window_->geometry();
  place = {shown.top(), shown.left(), shown.height(), shown.width()};
  if (edited) SetBookmarks(std::move(*edited));
}

}  // namespace krellix
