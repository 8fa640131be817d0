// Renaming in the running window: the batch rename through the "Rename" dialog and the
// "Preview Rename" window, and the rename pane under the item list.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>
#include <filesystem>

#include "app/list_panel.h"
#include "app/main_window.h"
#include "itemlist/item_list_view.h"
#include "rename/rename_dialog.h"
#include "rename/rename_pane.h"
#include "rename/rename_preview_dialog.h"
#include "support/scanned_window.h"
#include "support/temp_tree.h"
#include "widgets/qt_text.h"

using namespace krellix;
namespace fs = std::filesystem;

namespace {

using Rig = test::ScannedWindow;

}  // namespace

class RenameCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void batchRenameShowsThePreviewAndRenames();
  void panesRenameOneItemAfterAnother();
};

void RenameCommandsTest::batchRenameShowsThePreviewAndRenames() {
  Rig rig;
  const std::string dir = rig.home.tree.Dir("work");
  for (const char* name : {"a.txt", "b.txt", "c.txt"})
    rig.home.tree.File(std::string("work/") + name, 3);
  rig.home.tree.File("work/002-B.txt", 7);
  rig.Start(dir);
  rig.Select({"a.txt", "b.txt"});

  int preview_rows = -1;
  QString count;
  Rig::When<RenameDialog>([&](RenameDialog* dialog) {
    dialog->findChild<QRadioButton*>("numberPrefix")->click();
    dialog->findChild<QLineEdit*>("separator")->setText("-");
    dialog->findChild<QCheckBox*>("separatorOn")->setChecked(true);
    dialog->findChild<QRadioButton*>("caseUpper")->click();
    Rig::When<RenamePreviewDialog>([&](RenamePreviewDialog* preview) {
      preview_rows = preview->findChild<QTableWidget*>("previewGrid")->rowCount();
      count = preview->findChild<QLabel*>("count")->text();
      preview->findChild<QPushButton*>("ok")->click();
    });
    dialog->findChild<QPushButton*>("ok")->click();
  });
  // F7 reaches the command from the item list.
  QWidget* view = rig.form->ListTabs()->ItemView();
  view->setFocus();
  QTest::keyClick(view, Qt::Key_F7);

  QCOMPARE(preview_rows, 2);
  QCOMPARE(count, QString("2 files will be Renamed"));
  // "002-B.txt" was there: the second item takes the free name beside it.
  QVERIFY(fs::exists(dir + "/001-A.txt"));
  QVERIFY(fs::exists(dir + "/002-B (2).txt"));
  QCOMPARE(fs::file_size(dir + "/002-B.txt"), 7u);
  QVERIFY(rig.Logged("Renamed=" + dir + "/a.txt into=" + dir + "/001-A.txt"));
  QCOMPARE(rig.prompter.questions.size(), 2u);  // "Confirm Rename file" is on
  QVERIFY(rig.form->StatusText().startsWith("Rename_count=2 Total=2 Time="));
  // Renamed lines stay where they stood.
  QCOMPARE(rig.Files(),
           (std::vector<std::string>{"002-B.txt", "001-A.txt", "002-B (2).txt", "c.txt"}));
}

void RenameCommandsTest::panesRenameOneItemAfterAnother() {
  Rig rig;
  const std::string dir = rig.home.tree.Dir("work");
  rig.home.tree.File("work/a.txt", 1);
  rig.home.tree.File("work/b.txt", 2);
  rig.Start(dir);
  rig.form->Settings().confirm.rename_file = false;
  rig.form->Command("view.rename")->trigger();
  auto* pane = rig.form->findChild<RenamePane*>("renamePane");
  QVERIFY(pane != nullptr && pane->isVisible());
  QVERIFY(rig.form->Settings().ShowRename);

  // Clicking an item fills the field with its name.
  ItemListView* view = rig.form->ListTabs()->ItemView();
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                    view->visualRect(view->model()->index(0, 0)).center());
  QCOMPARE(pane->Field()->text(), QString("a.txt"));

  pane->Field()->setText("first.txt");
  QTest::keyClick(pane->Field(), Qt::Key_Return);
  QVERIFY(fs::exists(dir + "/first.txt"));
  QVERIFY(rig.Logged("Rename_count=1"));
  // The next item is current, selected, and in the field.
  QCOMPARE(rig.form->Items().Current(), 1);
  QCOMPARE(pane->Field()->text(), QString("b.txt"));

  pane->Field()->setText("second.txt");
  pane->Button()->click();
  QVERIFY(fs::exists(dir + "/second.txt"));
  QCOMPARE(rig.Files(), (std::vector<std::string>{"first.txt", "second.txt"}));
  QCOMPARE(rig.form->Items().Current(), 0);
}

QTEST_MAIN(RenameCommandsTest)
#include "rename_commands_qtest.moc"
