#pragma once

class QAction;
class QPushButton;

namespace krellix {

// The buttons and context menu commands of a "List" or "Skip" tab.
struct ListTabControls {
  QPushButton* clear = nullptr;
  QPushButton* load = nullptr;
  QPushButton* save = nullptr;
  QAction* goto_dir = nullptr;  // "Goto..."
  QAction* add = nullptr;       // "Add directory"
  QAction* remove = nullptr;    // "Remove directory"
  QAction* select_all = nullptr;
  QAction* select_none = nullptr;
};

}  // namespace krellix
