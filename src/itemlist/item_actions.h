#pragma once

class QAction;

namespace krellix {

// The item list's own commands, of the "Items" menu and the item list's context menu.
struct ItemActions {
  QAction* select_all = nullptr;   // Ctrl+A
  QAction* select_none = nullptr;  // Ctrl+N
  QAction* select_similar = nullptr;
  QAction* sort = nullptr;  // Ctrl+S
  QAction* clear = nullptr;
  QAction* exclude = nullptr;                // "Exclude from item list"
  QAction* filename_to_clipboard = nullptr;  // Ctrl+Shift+F
  QAction* path_to_clipboard = nullptr;      // Ctrl+Shift+P
  QAction* move_up = nullptr;                // Shift+U in the list
  QAction* move_down = nullptr;              // Shift+D in the list
};

}  // namespace krellix
