#pragma once

#include <QKeyEvent>
#include <QListView>

#include "itemlist/item_list_model.h"

namespace krellix {

class ItemList;

// The "Items" list: a view over the core ItemList that keeps the list's selected flags and
// current line in step with what the user selects.
//
// A scan changes the list underneath: BeginBusy() shows the list as the run starts, then stops
// repainting and selection tracking; EndBusy() takes the list over in one reset and shows the
// selection the list holds.
class ItemListView final : public QListView {
  Q_OBJECT

 public:
  explicit ItemListView(ItemList& items, QWidget* parent = nullptr);

  ItemListModel* Model() { return model_; }

  void BeginBusy();
  void EndBusy();
  bool Busy() const { return busy_; }

  // Re-reads the list: rows, selection flags and current line.
  void Refresh();
  // Re-reads only the selection flags and the current line; the lines and the scroll position
  // stay.
  void RefreshSelection();
  // Re-reads lines first..last (text and selection flags) and the current line, which is
  // scrolled into sight; for changes that keep the number of lines.
  void RefreshLines(std::size_t first, std::size_t last);
  // Lets the list scroll sideways over `width` pixels; 0 fits the lines to the view.
  void SetScrollWidth(int width);

 signals:
  // The view's width changed (window resized, splitter moved).
  void resized();
  // A key (an arrow, Page Down, Home...) made another line current.
  void movedByKey();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ApplySelectionFromList();

  ItemList& items_;
  ItemListModel* model_;
  bool busy_ = false;
  bool applying_ = false;
};

}  // namespace krellix
