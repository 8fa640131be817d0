#pragma once

class QAction;

namespace krellix {

// The commands of directory navigation, the lists and the bookmarks that live in menus. The
// address bar holds its own tool buttons, the "List" and "Skip" tabs their own controls.
struct NavigationActions {
  QAction* goto_item = nullptr;         // "Items" > "Goto..."
  QAction* refresh = nullptr;           // "View" > "Refresh" (Ctrl+F5), tree and drive box menus
  QAction* copy_drive = nullptr;        // the drive box's menu
  QAction* dir_to_clipboard = nullptr;  // the tree's "Directory to clipboard"
  QAction* add_to_list = nullptr;       // the tree's "Add to List"
  QAction* add_to_skip = nullptr;       // the tree's "Add to Skip"
  QAction* add_to_files = nullptr;      // "Items" > "Add file to Files list" (Ctrl+Shift+A)

  // The "Files" tab's menu, in its order.
  QAction* file_goto = nullptr;  // "Goto..."
  QAction* file_open = nullptr;  // "Open" (and double click)
  QAction* file_clear = nullptr;
  QAction* file_load = nullptr;
  QAction* file_edit = nullptr;
  QAction* file_save = nullptr;
  QAction* file_remove = nullptr;  // "Remove entry" (and Delete)
};

}  // namespace krellix
