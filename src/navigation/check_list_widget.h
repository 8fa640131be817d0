#pragma once

#include <QListWidget>

#include "base/check_list.h"

namespace krellix {

// Shows a CheckList (the include or exclude list) with a check box per entry and keeps the
// entries' check marks in step with the user's clicks. Disabled entries are greyed and cannot
// be checked.
class CheckListWidget final : public QListWidget {
  Q_OBJECT

 public:
  explicit CheckListWidget(CheckList& list, QWidget* parent = nullptr);

  // Shows the list's entries as they are now.
  void Refresh();

 private:
  CheckList& list_;
  bool filling_ = false;
};

}  // namespace krellix
