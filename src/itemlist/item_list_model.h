#pragma once

#include <QAbstractListModel>
#include <QSize>

namespace krellix {

class ItemList;

// A list model over the core ItemList, one row a line.
//
// The row count is a snapshot taken at the last Refresh(): the core list changes under the
// model during a scan (it is cleared, then filled), and the view learns of it in one reset at
// the end. Until then data() answers nothing for a row the list no longer holds, so a view
// that paints between the change and the reset (a dialog runs the event loop) shows blank
// lines instead of reading past the end.
class ItemListModel final : public QAbstractListModel {
  Q_OBJECT

 public:
  explicit ItemListModel(ItemList& items, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  // Takes over the list as it is now (one model reset).
  void Refresh();
  // Lines first..last changed their text in place; the row count stays.
  void LinesChanged(int first, int last);

  // The size every line reports, so a view with uniform item sizes scrolls as wide as the
  // widest line rather than the first. An invalid size leaves it to the view.
  void SetLineSize(QSize size);
  QSize LineSize() const { return line_size_; }

  ItemList& Items() { return items_; }

 private:
  ItemList& items_;
  int shown_ = 0;
  QSize line_size_;
};

}  // namespace krellix
