#include "itemlist/item_list_model.h"

#include <climits>

#include "itemlist/item_list.h"

namespace krellix {

ItemListModel::ItemListModel(ItemList& items, QObject* parent)
    : QAbstractListModel(parent), items_(items) {
  Refresh();
}

int ItemListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : shown_;
}

QVariant ItemListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() < 0 ||
      static_cast<std::size_t>(index.row()) >= items_.Count()) {
    return {};
  }
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromUtf8(items_.Line(static_cast<std::size_t>(index.row())));
    case Qt::SizeHintRole:
      return line_size_.isValid() ? QVariant(line_size_) : QVariant();
    default:
      return {};
  }
}

void ItemListModel::Refresh() {
  beginResetModel();
  shown_ = static_cast<int>(std::min<std::size_t>(items_.Count(), INT_MAX));
  endResetModel();
}

void ItemListModel::LinesChanged(int first, int last) {
  emit dataChanged(index(first), index(last), {Qt::DisplayRole});
}

void ItemListModel::SetLineSize(QSize size) {
  if (size == line_size_) return;
  line_size_ = size;
  // Every line changes size at once; a layout change makes the view measure again.
  emit layoutAboutToBeChanged();
  emit layoutChanged();
}

}  // namespace krellix
