#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>
#include <string>
#include <utility>
#include <vector>

#include "rename/rename_preview_dialog.h"
#include "widgets/qt_text.h"

using namespace krellix;

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

struct Shown {
  QStringList headers;
  std::vector<std::pair<QString, QString>> rows;
  QString count;
  bool resizable = false;
};

// Runs the window on `rows`, notes what it shows and presses `button`; gives what Run gave.
bool RunAndPress(RenamePreviewDialog& dialog, const Rows& rows, const char* button, Shown& shown) {
  QTimer::singleShot(0, &dialog, [&] {
    auto* grid = dialog.findChild<QTableWidget*>("previewGrid");
    for (int c = 0; c < grid->columnCount(); ++c) {
      shown.headers << grid->horizontalHeaderItem(c)->text();
    }
    for (int r = 0; r < grid->rowCount(); ++r) {
      shown.rows.emplace_back(grid->item(r, 0)->text(), grid->item(r, 1)->text());
    }
    shown.count = dialog.findChild<QLabel*>("count")->text();
    shown.resizable = grid->horizontalHeader()->sectionResizeMode(0) == QHeaderView::Interactive;
    dialog.findChild<QPushButton*>(button)->click();
  });
  return dialog.Run(rows);
}

}  // namespace

class RenamePreviewDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void showsEveryRowAndTheirCount() {
    RenamePreviewDialog dialog;
    const Rows rows = {{"IMG_0042.JPG", "001-IMG_0042.JPG"},
                       {"caf\xc3\xa9.txt", "CAF\xc3\x89.txt"},
                       {"raw\xff.bin", "001raw\xff.bin"}};
    Shown shown;
    QVERIFY(RunAndPress(dialog, rows, "ok", shown));
    QCOMPARE(dialog.windowTitle(), QString("Preview Rename"));
    QCOMPARE(shown.headers, QStringList({"Before", "After"}));
    QCOMPARE(shown.count, QString("3 files will be Renamed"));
    QVERIFY(shown.resizable);
    // A name that is not text is shown as the file name helper shows it.
    const std::vector<std::pair<QString, QString>> expected = {
        {"IMG_0042.JPG", "001-IMG_0042.JPG"},
        {QString::fromUtf8("caf\u00e9.txt"), QString::fromUtf8("CAF\u00c9.txt")},
        {PathToQt("raw\xff.bin"), PathToQt("001raw\xff.bin")}};
    QCOMPARE(shown.rows, expected);
  }

  // A second showing holds only its own rows; Cancel gives false.
  void refillsAndCancelGivesFalse() {
    RenamePreviewDialog dialog;
    Shown first;
    QVERIFY(RunAndPress(dialog, {{"a", "b"}, {"c", "d"}}, "ok", first));
    Shown second;
    QVERIFY(!RunAndPress(dialog, {{"e", "f"}}, "cancel", second));
    QCOMPARE(second.rows.size(), std::size_t{1});
    QCOMPARE(second.rows[0].second, QString("f"));
    QCOMPARE(second.count, QString("1 files will be Renamed"));
  }
};

QTEST_MAIN(RenamePreviewDialogTest)
#include "rename_preview_dialog_qtest.moc"
