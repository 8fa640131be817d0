#include "navigation/check_list_widget.h"

#include <QFile>
#include <QSignalBlocker>

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
  // All rows go in with one insertion, and their marks are set while the model keeps quiet: a
  // signal per item makes a list of many thousand entries take seconds.
  QStringList texts;
  texts.reserve(static_cast<qsizetype>(list_.entries.size()));
  for (const CheckListEntry& e : list_.entries) texts.append(QFile::decodeName(e.text.c_str()));
  addItems(texts);
  {
    const QSignalBlocker quiet(model());
    for (int row = 0; row < count(); ++row) {
      const CheckListEntry& e = list_.entries[static_cast<std::size_t>(row)];
      QListWidgetItem* it = item(row);
      if (e.enabled) {
        it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        it->setCheckState(e.checked ? Qt::Checked : Qt::Unchecked);
      } else {
        it->setFlags(Qt::ItemIsSelectable);
        it->setCheckState(Qt::Unchecked);
      }
    }
  }
  viewport()->update();
  filling_ = false;
}

}  // namespace krellix
