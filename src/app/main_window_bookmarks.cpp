// The bookmarks of the main window: the "&Bookmarks" menu, the commands that add to it, the
// jump to a bookmark and the "Bookmarks" window.
#include <QAction>
#include <QMenu>

#include "app/directory_panel.h"
#include "app/main_window.h"
#include "widgets/qt_text.h"
#include "app/screen_fit.h"
#include "navigation/bookmarks_dialog.h"
#include "platform/file_system.h"
#include "scan/item_entry.h"

namespace krellix {

void TForm1::ConnectBookmarkCommands() {
  bookmarks_window_ = new TForm10(prompter_, this);
  const NavigationActions& a = nav_actions_;
  connect(a.bookmark_current, &QAction::triggered, this,
          [this] { BookmarkDirectory(current_dir_); });
  connect(a.bookmark_tree, &QAction::triggered, this, [this] {
    const std::string marked = directory_panel_->MarkedDirectory();
    if (!marked.empty()) BookmarkDirectory(marked);
  });
  connect(a.bookmark_item, &QAction::triggered, this, [this] { BookmarkItemDirectory(); });
  connect(a.manage_bookmarks, &QAction::triggered, this, [this] { ManageBookmarks(); });
}

void TForm1::SetBookmarks(std::vector<std::string> entries) {
  bookmarks_.Assign(std::move(entries));
  ShowBookmarksMenu();
}

void TForm1::BookmarkDirectory(std::string dir) {
  if (bookmarks_.BookmarkDirectory(dir, settings_.FavouritesSize) == Bookmarks::Added::kExists) {
    ShowStatus("Bookmark exists for: " + dir);
  } else {
    ShowStatus("Bookmark=" + dir);
    log_.AddLogLine("Bookmark=" + dir);
  }
  ShowBookmarksMenu();
}

void TForm1::JumpToBookmark(const std::string& caption) {
  GotoDirectory(Bookmarks::JumpTarget(caption));
}

void TForm1::ShowBookmarksMenu() {
  QMenu* menu = actions_.bookmarks_menu;
  const QList<QAction*> shown = menu->actions();
  for (qsizetype i = shown.indexOf(bookmarks_separator_) + 1; i < shown.size(); ++i) {
    menu->removeAction(shown[i]);
    shown[i]->deleteLater();
  }
  for (const std::string& entry : bookmarks_.Entries()) {
    // A "&" in a path is text, not the mark of a menu key.
    QAction* jump = menu->addAction(PathToQt(entry).replace('&', "&&"));
    connect(jump, &QAction::triggered, this, [this, entry] { JumpToBookmark(entry); });
  }
}

void TForm1::BookmarkItemDirectory() {
  const std::int64_t current = items_.Current();
  if (current < 0 || static_cast<std::size_t>(current) >= items_.Count() ||
      !items_.IsItem(static_cast<std::size_t>(current))) {
    ShowStatus("No item selected for Bookmark");
    return;
  }
  BookmarkDirectory(DirectoryPart(
      GetItemListFilename(items_, static_cast<std::size_t>(current))));
}

void TForm1::ManageBookmarks() {
  WindowPlace& place = settings_.Form10;
  if (settings_.SaveWin && place.width > 0) {
    bookmarks_window_->setGeometry(
        WithSizeOnDesktop(QRect(place.left, place.top, place.width, place.height)));
  }
  std::optional<std::vector<std::string>> edited =
      bookmarks_window_->Edit(current_dir_, bookmarks_.Entries(), settings_.FavouritesSize);
  const QRect shown = bookmarks_window_->geometry();
  place = {shown.top(), shown.left(), shown.height(), shown.width()};
  if (edited) SetBookmarks(std::move(*edited));
}

}  // namespace krellix
