#pragma once

class QAction;

namespace krellix {

// The commands of directory navigation and the bookmarks that live in menus. The address bar
// holds its own tool buttons.
struct NavigationActions {
  QAction* goto_item = nullptr;         // "Items" > "Goto..."
  QAction* refresh = nullptr;           // "View" > "Refresh" (Ctrl+F5), tree and drive box menus
  QAction* copy_drive = nullptr;        // the drive box's menu
  QAction* dir_to_clipboard = nullptr;  // the tree's "Directory to clipboard"
};

}  // namespace krellix
