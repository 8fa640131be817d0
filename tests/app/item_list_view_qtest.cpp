#include <QScrollBar>
#include <QtTest>

#include "itemlist/item_list.h"
#include "itemlist/item_list_view.h"

using namespace krellix;

class ItemListViewTest : public QObject {
  Q_OBJECT

 private slots:
  void selectionRangesReachTheList();
  void aChangedListIsNeverReadPastItsEnd();
  void endOfBusyShowsTheListsSelection();
  void aMillionLinesSelectInOneRange();
  void scrollWidthReachesTheWidestLine();
};

namespace {

void Fill(ItemList& items, int n, const std::string& prefix = "line") {
  for (int i = 0; i < n; ++i) items.Add(prefix + std::to_string(1000 + i));
}

}  // namespace

void ItemListViewTest::selectionRangesReachTheList() {
  ItemList items;
  Fill(items, 10);
  ItemListView view(items);
  auto* model = view.model();
  view.selectionModel()->select(QItemSelection(model->index(2, 0), model->index(5, 0)),
                                QItemSelectionModel::Select);
  view.selectionModel()->select(model->index(4, 0), QItemSelectionModel::Deselect);
  view.selectionModel()->setCurrentIndex(model->index(7, 0), QItemSelectionModel::NoUpdate);

  QCOMPARE(items.SelectedCount(), std::size_t{3});
  QVERIFY(items.Selected(2) && items.Selected(3) && items.Selected(5));
  QVERIFY(!items.Selected(4));
  QCOMPARE(items.Current(), std::int64_t{7});
}

void ItemListViewTest::aChangedListIsNeverReadPastItsEnd() {
  ItemList items;
  Fill(items, 10);
  ItemListView view(items);
  auto* model = view.model();

  // A scan empties the list before the view hears of it.
  items.Clear();
  items.Add("only");
  QCOMPARE(model->rowCount(), 10);
  QCOMPARE(model->data(model->index(0, 0)).toString(), QString("only"));
  QVERIFY(!model->data(model->index(9, 0)).isValid());
  view.selectionModel()->select(model->index(9, 0), QItemSelectionModel::Select);
  QVERIFY(view.grab().width() > 0);  // painting the stale rows must not read the list

  view.Refresh();
  QCOMPARE(model->rowCount(), 1);
}

void ItemListViewTest::endOfBusyShowsTheListsSelection() {
  ItemList items;
  Fill(items, 6, "b");
  ItemListView view(items);
  view.selectionModel()->select(view.model()->index(1, 0), QItemSelectionModel::Select);
  QVERIFY(items.Selected(1));

  view.BeginBusy();
  QVERIFY(!view.updatesEnabled());
  // Lines sorted in front of the selected one move it down.
  Fill(items, 3, "a");
  view.selectionModel()->clearSelection();  // a click while busy does not reach the list
  view.EndBusy();

  QVERIFY(view.updatesEnabled());
  QCOMPARE(view.model()->rowCount(), 9);
  QVERIFY(items.Selected(4));
  const QModelIndexList shown = view.selectionModel()->selectedRows();
  QCOMPARE(shown.size(), 1);
  QCOMPARE(shown[0].row(), 4);
}

void ItemListViewTest::aMillionLinesSelectInOneRange() {
  ItemList items;
  items.SetSorted(false);
  for (int i = 0; i < 1'000'000; ++i) items.Add(std::to_string(i));
  ItemListView view(items);
  view.resize(400, 300);
  QCOMPARE(view.model()->rowCount(), 1'000'000);

  view.selectAll();
  QCOMPARE(items.SelectedCount(), std::size_t{1'000'000});
  view.Refresh();
  QCOMPARE(view.selectionModel()->selection().size(), 1);
  view.scrollToBottom();
  QVERIFY(view.grab().width() > 0);
  QVERIFY(view.indexAt(QPoint(5, view.viewport()->height() - 5)).row() > 999'000);
}

void ItemListViewTest::scrollWidthReachesTheWidestLine() {
  ItemList items;
  Fill(items, 3);
  ItemListView view(items);
  view.resize(300, 200);
  view.show();
  QVERIFY(QTest::qWaitForWindowExposed(&view));

  view.SetScrollWidth(2000);
  QTRY_VERIFY(view.horizontalScrollBar()->maximum() > 1500);
  view.SetScrollWidth(0);
  QTRY_COMPARE(view.horizontalScrollBar()->maximum(), 0);
}

QTEST_MAIN(ItemListViewTest)
#include "item_list_view_qtest.moc"
