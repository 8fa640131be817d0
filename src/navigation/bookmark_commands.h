#pragma once

#include <QObject>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace krellix {

class ActivityLog;
class Bookmarks;
class CommandRegistry;
class ItemList;
class ScanHost;
class BookmarksDialog;
class Prompter;
struct WindowPlace;

// The bookmarks: the commands that add to them, the jumps of the "&Bookmarks" menu and the
// "Bookmarks" window.
class BookmarkCommands final : public QObject {
 public:
  struct Context {
    Bookmarks& bookmarks;
    const int& favourites_size;  // the most bookmarks kept
    const std::string& current_dir;
    const ItemList& items;
    WindowPlace& window_place;  // where the "Bookmarks" window shows
    const bool& save_place;     // whether that place is kept
    ActivityLog& log;
    ScanHost& host;  // the status line
    Prompter& prompter;
    // The window's one way to change the directory; the directory marked in the tree.
    std::function<bool(const std::string&)> goto_directory;
    std::function<std::string()> marked_directory;
  };

  BookmarkCommands(Context context, QWidget* parent);

  // Registers "bookmarks.add_current", "bookmarks.manage", "tree.bookmark" and
  // "items.bookmark_directory".
  void Register(CommandRegistry& commands);
  // The bookmarks are listed in `menu` after `last_fixed`, its last entry of its own.
  void ShowIn(QMenu* menu, QAction* last_fixed);

  // Replaces the bookmarks (the settings load) and lists them anew.
  void SetBookmarks(std::vector<std::string> entries);
  // Adds a directory: "Bookmark=" + dir (shown and logged), or "Bookmark exists for: " + dir.
  void BookmarkDirectory(std::string dir);
  BookmarksDialog* Window() const { return window_; }

 private:
  void ShowBookmarksMenu();
  void JumpToBookmark(const std::string& caption);
  void BookmarkItemDirectory();
  void ManageBookmarks();

  Context ctx_;
  BookmarksDialog* window_ = nullptr;
  QMenu* menu_ = nullptr;
  QAction* last_fixed_ = nullptr;
};

}  // namespace krellix
