// The file operation commands in the running window: delete to the Trash, purge, copy and move
// through the "Copy / Move" dialog, with the item list and the log following.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <functional>

#include "app/list_panel.h"
#include "app/main_window.h"
#include "fileops/copy_move_dialog.h"
#include "itemlist/item_list_view.h"
#include "platform/scripted_prompter.h"
#include "support/scanned_window.h"
#include "widgets/qt_text.h"

using namespace krellix;
namespace fs = std::filesystem;

namespace {

// A window started in a temporary home with the items of `dir` listed, names sorted.
using Rig = test::ScannedWindow;

// Answers the "Copy / Move" dialog once it shows: `fill` sets its controls, then OK.
void AnswerDialog(std::function<void(CopyMoveDialog*)> fill) {
  Rig::When<CopyMoveDialog>([fill](CopyMoveDialog* dialog) {
    fill(dialog);
    dialog->findChild<QPushButton*>("ok")->click();
  });
}

void SetAddress(CopyMoveDialog* dialog, const std::string& dir) {
  dialog->findChild<QComboBox*>("address")->setEditText(PathToQt(dir));
}

}  // namespace

class FileOpCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void deleteGoesToTheTrashAndPurgeRemovesForGood();
  void copyAndMoveHandleCollisionsSkipsAndReplaces();
};

void FileOpCommandsTest::deleteGoesToTheTrashAndPurgeRemovesForGood() {
  Rig rig;
  const std::string dir = rig.home.tree.Dir("work");
  const std::string a = rig.home.tree.File("work/a.txt", 10);
  const std::string b = rig.home.tree.File("work/b.txt", 20);
  rig.home.tree.File("work/c.txt", 30);
  rig.Start(dir);
  QCOMPARE(rig.Files(), (std::vector<std::string>{"a.txt", "b.txt", "c.txt"}));

  // Delete, confirmed: the file lands in the Trash and its line leaves the list.
  rig.Select({"a.txt"});
  rig.prompter.answers = {Answer::kYes};
  rig.form->Command("items.delete")->trigger();
  QVERIFY(!fs::exists(a));
  const std::string trash = qgetenv("XDG_DATA_HOME").toStdString() + "/Trash/files/a.txt";
  QVERIFY2(fs::exists(trash), trash.c_str());
  QCOMPARE(rig.Files(), (std::vector<std::string>{"b.txt", "c.txt"}));
  QVERIFY(rig.Logged("Deleted=" + a));
  QCOMPARE(rig.prompter.questions.back(), "Delete " + a + " ? ");

  // Purge through Shift+Del in the item list: gone for good, nothing more in the Trash.
  rig.Select({"b.txt"});
  rig.prompter.answers = {Answer::kYes};
  QWidget* view = rig.form->ListTabs()->ItemView();
  view->setFocus();
  QTest::keyClick(view, Qt::Key_Delete, Qt::ShiftModifier);
  QVERIFY(!fs::exists(b));
  QVERIFY(!fs::exists(qgetenv("XDG_DATA_HOME").toStdString() + "/Trash/files/b.txt"));
  QCOMPARE(rig.prompter.questions.back(), "Purge " + b + " ? ");
  QCOMPARE(rig.Files(), (std::vector<std::string>{"c.txt"}));
  // The remaining line became current and the summary went to the status line and the log.
  QCOMPARE(rig.form->Items().Current(), 0);
  QVERIFY(rig.form->StatusText().startsWith("Delete_count=1 Total=1 Time="));
  QCOMPARE(test::CountStarting(rig.Log(), "Delete_count=1 Total=1 Time="), 2);
}

void FileOpCommandsTest::copyAndMoveHandleCollisionsSkipsAndReplaces() {
  Rig rig;
  const std::string src = rig.home.tree.Dir("src");
  const std::string dest = rig.home.tree.Dir("dest");
  rig.home.tree.File("src/a.txt", 11);
  rig.home.tree.File("src/b.txt", 22);
  rig.home.tree.File("dest/a.txt", 5);
  rig.home.tree.File("dest/b.txt", 5);
  rig.Start(src);

  // Copy both: neither replace nor skip, so a.txt gets a free name and b.txt too.
  rig.Select({"a.txt", "b.txt"});
  AnswerDialog([&](CopyMoveDialog* d) { SetAddress(d, dest); });
  rig.form->Command("items.copy")->trigger();
  QCOMPARE(fs::file_size(dest + "/a (2).txt"), 11u);
  QCOMPARE(fs::file_size(dest + "/b (2).txt"), 22u);
  QCOMPARE(fs::file_size(dest + "/a.txt"), 5u);
  QVERIFY(rig.Logged("Copied=" + src + "/a.txt To=" + dest + "/a (2).txt"));
  QCOMPARE(rig.Files(), (std::vector<std::string>{"a.txt", "b.txt"}));  // a copy keeps lines

  // Copy with "Skip existing files": both targets exist, nothing is written.
  rig.Select({"a.txt", "b.txt"});
  AnswerDialog([&](CopyMoveDialog* d) {
    SetAddress(d, dest);
    d->findChild<QCheckBox*>("skip")->setChecked(true);
  });
  rig.form->Command("items.copy")->trigger();
  QVERIFY(rig.Logged("Skipped_count=" + src + "/a.txt"));
  QCOMPARE(test::CountStarting(rig.Log(), "Copy_count=0 Skipped=2 Total=2"), 1);
  QVERIFY(!fs::exists(dest + "/a (3).txt"));

  // Move a.txt with "Replace existing files ": the target takes its data, the source goes
  // and so does its line; b.txt stays where it is.
  rig.Select({"a.txt"});
  AnswerDialog([&](CopyMoveDialog* d) {
    SetAddress(d, dest);
    d->findChild<QCheckBox*>("replace")->setChecked(true);
  });
  rig.form->Command("items.move")->trigger();
  QVERIFY(!fs::exists(src + "/a.txt"));
  QCOMPARE(fs::file_size(dest + "/a.txt"), 11u);
  QVERIFY(rig.Logged("Moved=" + src + "/a.txt To=" + dest + "/a.txt"));
  QCOMPARE(rig.Files(), (std::vector<std::string>{"b.txt"}));
  QVERIFY(rig.form->StatusText().startsWith("Move_count=1 Skipped=0 Total=1 Time="));
  // The destination went into the dialog's drop-down with its delimiter.
  auto* dialog = rig.form->findChild<CopyMoveDialog*>();
  QVERIFY(dialog != nullptr);
  QCOMPARE(dialog->Destinations().back(), dest + "/");
}

QTEST_MAIN(FileOpCommandsTest)
#include "file_op_commands_qtest.moc"
