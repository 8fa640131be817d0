#include "navigation/check_list_widget.h"

#include <QFile>

namespace krellix {

CheckListWidget::CheckListWidget(CheckList& list, QWidget* parent)
    : QListWidget(parent), list_(list) {
  setUniformItemSizes(true);
  connect(this, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
    if (filling_) return;
    const int row = this->row(item);
    if (row < 0 || static_cast<std::size_t>(row) >= list_.entries.size()) return;
    list_.entries[static_cast<std::size_t>(row)].checked = item->checkState() == Qt::Checked;
  });
  Refresh();
}

void CheckListWidget::Refresh() {
  filling_ = true;
  clear();
  for (const CheckListEntry& e : list_.entries) {
    auto* item = new QListWidgetItem(QFile::decodeName(e.text.c_str()), this);
    if (e.enabled) {
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
      item->setCheckState(e.checked ? Qt::Checked : Qt::Unchecked);
    } else {
      item->setFlags(Qt::ItemIsSelectable);
      item->setCheckState(Qt::Unchecked);
    }
  }
  filling_ = false;
}

}  // namespace krellix
