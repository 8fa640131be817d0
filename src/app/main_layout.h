#pragma once

#include <span>

#include "scan/scan_commands.h"
#include "widgets/key_map.h"

class QMainWindow;
class QMenu;
class QToolBar;

namespace krellix {

class CommandRegistry;

// The menus of the main window and the actions tests and the window reach by name.
struct MainActions : ScanActions {
  QMenu* file_menu = nullptr;
  QMenu* edit_menu = nullptr;
  QMenu* view_menu = nullptr;
  QMenu* options_menu = nullptr;
  QMenu* items_menu = nullptr;
  QMenu* bookmarks_menu = nullptr;
  QMenu* help_menu = nullptr;
  QAction* exit = nullptr;
  QAction* exit_button = nullptr;  // the tool button "Exit (Alt+F4)"
  QAction* show_hints = nullptr;
};

// Fills the menu bar, the item list's and the directory tree's context menus from the layout
// tables; `actions` gets the menus.
void BuildMenus(QMainWindow* window, CommandRegistry& commands, QMenu* item_menu, QMenu* tree_menu,
                MainActions& actions);

// The key map of the main window. Keys act on release, through their command, and only while
// that command is enabled.
std::span<const KeyBinding> MainKeyMap();

// The tool bar, with `scan_menu` on the Scan button's right click, and below it `address_bar`.
void BuildToolBar(QMainWindow* window, CommandRegistry& commands, QMenu* scan_menu,
                  QToolBar* address_bar);

}  // namespace krellix
