#pragma once

class QAction;

namespace krellix {

// The item list commands of the "Items" menu and the item list's context menu, and the
// "Drive info..." command of the directory tree's and the drive box's context menus.
struct ItemActions {
  QAction* select_all = nullptr;   // Ctrl+A
  QAction* select_none = nullptr;  // Ctrl+N
  QAction* select_similar = nullptr;
  QAction* sort = nullptr;  // Ctrl+S
  QAction* clear = nullptr;
  QAction* exclude = nullptr;                // "Exclude from item list"
  QAction* filename_to_clipboard = nullptr;  // Ctrl+Shift+F
  QAction* path_to_clipboard = nullptr;      // Ctrl+Shift+P
  QAction* file_info = nullptr;              // Alt+F
  QAction* drive_info = nullptr;
  // "Delete" and "Purge": shown, not yet available; Del and Shift+Del in the list trigger
  // them once they are.
  QAction* delete_items = nullptr;
  QAction* purge_items = nullptr;
};

}  // namespace krellix
