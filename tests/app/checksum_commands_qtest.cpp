// "MD5" in the running window: the checksums of the selected items in list order in the
// "MD5 checksum" window, also after a stopped scan, and the empty list's message.
#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/list_panel.h"
#include "app/main_window.h"
#include "checksums/checksum_run.h"
#include "checksums/checksum_window.h"
#include "checksums/gen_md5.h"
#include "itemlist/item_list_view.h"
#include "platform/scripted_prompter.h"
#include "support/scanned_window.h"

using namespace krellix;
using krellix::test::TempHome;

namespace {

const char* kProgram = "/opt/krellix/krellix";

// Once the checksum window shows and its run is over, hands its rows to `seen` and presses OK.
void CloseWhenDone(std::vector<ChecksumRow>& seen) {
  QTimer::singleShot(10, [&seen] {
    auto* window = qobject_cast<ChecksumWindow*>(QApplication::activeModalWidget());
    if (window == nullptr || window->Running()) {
      CloseWhenDone(seen);
      return;
    }
    seen = window->Rows();
    window->findChild<QPushButton*>("ok")->click();
  });
}

}  // namespace

class ChecksumCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void checksumsTheSelectedItemsInListOrder();
  void anEmptyListShowsTheMessageAndAnEmptyWindow();
};

void ChecksumCommandsTest::checksumsTheSelectedItemsInListOrder() {
  test::ScannedWindow rig;
  ScriptedPrompter& prompter = rig.prompter;
  test::TempTree& tree = rig.home.tree;
  const std::string dir = tree.Dir("work");
  const std::string a = tree.File("work/a.txt", 3000);
  const std::string b = tree.File("work/b;c d.txt");
  tree.File("work/c.txt", 10);
  const std::string d = tree.File("work/d.txt", 3000);
  rig.Start(dir);
  MainWindow& form = *rig.form;
  ItemList& items = form.Items();
  QCOMPARE(items.Count(), std::size_t{4});
  for (std::size_t i = 0; i < items.Count(); ++i)
    items.SetSelected(i, items.Fields(i).File != "c.txt");
  form.ListTabs()->ItemView()->RefreshSelection();
  // A stop left from an earlier run does not keep this one from computing.
  form.Command("scan.stop")->trigger();

  std::vector<ChecksumRow> rows;
  CloseWhenDone(rows);
  QVERIFY(form.Command("items.md5")->isEnabled());
  form.Command("items.md5")->trigger();
  QCOMPARE(rows, (std::vector<ChecksumRow>{{GenMD5(a), a}, {GenMD5(b), b}, {GenMD5(d), d}}));
  QCOMPARE(rows[0].checksum, rows[2].checksum);
  QVERIFY(prompter.messages.empty());
  // Closing the window empties it.
  auto* window = form.findChild<ChecksumWindow*>();
  QVERIFY(window != nullptr);
  QVERIFY(window->Rows().empty());
}

void ChecksumCommandsTest::anEmptyListShowsTheMessageAndAnEmptyWindow() {
  TempHome home;
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  form.Items().Clear();
  std::vector<ChecksumRow> rows{{"x", "y"}};
  CloseWhenDone(rows);
  form.Command("items.md5")->trigger();
  QVERIFY(rows.empty());
  QCOMPARE(prompter.messages.size(), std::size_t{1});
  QCOMPARE(prompter.messages[0].text, "No items selected");
}

QTEST_MAIN(ChecksumCommandsTest)
#include "checksum_commands_qtest.moc"
