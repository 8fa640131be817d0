#include "itemlist/item_list_view.h"

#include "itemlist/item_list.h"

namespace krellix {

ItemListView::ItemListView(ItemList& items, QWidget* parent)
    : QListView(parent), items_(items), model_(new ItemListModel(items, this)) {
  setModel(model_);
  setUniformItemSizes(true);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setTextElideMode(Qt::ElideNone);
  setWordWrap(false);
}

void ItemListView::BeginBusy() {
  // What stays on screen during the run is the list as the run starts (empty, or the lines a
  // run appends to), not whatever the view showed before the list was changed underneath.
  Refresh();
  repaint();
  busy_ = true;
  setUpdatesEnabled(false);
}

void ItemListView::EndBusy() {
  busy_ = false;
  Refresh();
  setUpdatesEnabled(true);
}

void ItemListView::Refresh() {
  model_->Refresh();
  ApplySelectionFromList();
}

void ItemListView::RefreshSelection() { ApplySelectionFromList(); }

void ItemListView::RefreshLines(std::size_t first, std::size_t last) {
  const std::size_t count = std::min<std::size_t>(items_.Count(), model_->rowCount());
  if (first > last || first >= count) return;
  last = std::min(last, count - 1);
  model_->LinesChanged(static_cast<int>(first), static_cast<int>(last));
  applying_ = true;
  for (std::size_t row = first; row <= last; ++row) {
    selectionModel()->select(
        model_->index(static_cast<int>(row)),
        items_.Selected(row) ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
  }
  const std::int64_t current = items_.Current();
  if (current >= 0 && static_cast<std::size_t>(current) < count) {
    const QModelIndex index = model_->index(static_cast<int>(current));
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    scrollTo(index);
  }
  applying_ = false;
}

void ItemListView::SetScrollWidth(int width) {
  // A single column of lines stretches to the view's width, so lines that fit need no width.
  const int line_height = fontMetrics().height() + 2;
  model_->SetLineSize(QSize(width > 0 ? width : 1, line_height));
}

void ItemListView::resizeEvent(QResizeEvent* event) {
  QListView::resizeEvent(event);
  emit resized();
}

void ItemListView::ApplySelectionFromList() {
  // Runs of selected lines become ranges, so a list of a million lines costs one pass over
  // its flags and a handful of ranges, not a million selection calls.
  QItemSelection selection;
  const std::size_t count = items_.Count();
  std::size_t i = 0;
  while (i < count) {
    if (!items_.Selected(i)) {
      ++i;
      continue;
    }
    const std::size_t first = i;
    while (i < count && items_.Selected(i)) ++i;
    selection.select(model_->index(static_cast<int>(first)),
                     model_->index(static_cast<int>(i - 1)));
  }
  applying_ = true;
  selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  const std::int64_t current = items_.Current();
  if (current >= 0 && static_cast<std::size_t>(current) < count) {
    selectionModel()->setCurrentIndex(model_->index(static_cast<int>(current)),
                                      QItemSelectionModel::NoUpdate);
  }
  applying_ = false;
}

void ItemListView::selectionChanged(const QItemSelection& selected,
                                    const QItemSelection& deselected) {
  QListView::selectionChanged(selected, deselected);
  if (busy_ || applying_) return;
  const std::size_t count = items_.Count();
  auto mark = [this, count](const QItemSelection& ranges, bool on) {
    for (const QItemSelectionRange& r : ranges) {
      const std::size_t last =
          std::min<std::size_t>(static_cast<std::size_t>(r.bottom()) + 1, count);
      for (std::size_t row = static_cast<std::size_t>(r.top()); row < last; ++row) {
        items_.SetSelected(row, on);
      }
    }
  };
  mark(deselected, false);
  mark(selected, true);
}

void ItemListView::keyPressEvent(QKeyEvent* event) {
  const QModelIndex before = currentIndex();
  QListView::keyPressEvent(event);
  if (currentIndex() != before && !busy_) emit movedByKey();
}

void ItemListView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QListView::currentChanged(current, previous);
  if (busy_ || applying_) return;
  items_.SetCurrent(current.isValid() && static_cast<std::size_t>(current.row()) < items_.Count()
                        ? current.row()
                        : ItemList::kNoLine);
}

}  // namespace krellix
