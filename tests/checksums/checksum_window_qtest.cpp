// The "MD5 checksum" window on its own: the grid filling in list order, "Save", "Copy" with
// its limit, and Esc during a run.
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include "checksums/checksum_list.h"
#include "checksums/checksum_window.h"
#include "checksums/gen_md5.h"
#include "platform/scripted_prompter.h"
#include "support/temp_tree.h"
#include "widgets/qt_text.h"

using namespace krellix;

class ChecksumWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void fillsTheGridInListOrder();
  void savesAndCopiesTheRows();
  void copyWarnsWhenTheListPassesTheLimit();
  void escStopsARunAndThenCloses();

 private:
  struct Rig {
    ScriptedPrompter prompter;
    int stops = 0;
    bool stop_set = false;
    ChecksumWindow window{
        {prompter, [this] { ++stops, stop_set = true; }, [this] { return stop_set; }}};
  };
};

void ChecksumWindowTest::fillsTheGridInListOrder() {
  test::TempTree tree;
  std::vector<std::string> files;
  for (int i = 0; i < 40; ++i) files.push_back(tree.File("f" + std::to_string(i), i * 1000));
  files.insert(files.begin() + 3, tree.Path("missing"));
  Rig rig;
  const QHeaderView* header = rig.window.Grid()->horizontalHeader();
  QCOMPARE(header->model()->headerData(0, Qt::Horizontal).toString(), QString("MD5"));
  QCOMPARE(header->model()->headerData(1, Qt::Horizontal).toString(), QString("Filename"));
  QVERIFY(header->sectionSize(0) >= 218);

  rig.window.Start(files, 3);
  QVERIFY(rig.window.Running());
  QVERIFY(!rig.window.findChild<QPushButton*>("save")->isEnabled());
  QTRY_VERIFY(!rig.window.Running());
  QVERIFY(rig.window.findChild<QPushButton*>("save")->isEnabled());
  const auto& rows = rig.window.Rows();
  QCOMPARE(rows.size(), files.size());
  for (std::size_t i = 0; i < files.size(); ++i) {
    QCOMPARE(rows[i], (ChecksumRow{GenMD5(files[i]), files[i]}));
  }
  QCOMPARE(rig.window.Grid()->model()->rowCount(), static_cast<int>(files.size()));
  QCOMPARE(rig.window.Grid()->model()->index(3, 0).data().toString(),
           QString("*** MD5 failed ***"));
  QCOMPARE(rig.window.Grid()->model()->index(0, 1).data().toString(), PathToQt(files[0]));
  QCOMPARE(rig.stops, 0);
}

void ChecksumWindowTest::savesAndCopiesTheRows() {
  test::TempTree tree;
  const std::string a = tree.File("a.txt");
  const std::string b = tree.File("b \xE9.txt");
  Rig rig;
  rig.window.Start({a, b});
  QTRY_VERIFY(!rig.window.Running());
  const std::string lines = "D41D8CD98F00B204E9800998ECF8427E=" + a +
                            "\r\nD41D8CD98F00B204E9800998ECF8427E=" + b + "\r\n";

  // A name without an extension gets ".txt".
  rig.prompter.picks = {tree.Path("sums")};
  rig.window.findChild<QPushButton*>("save")->click();
  QCOMPARE(test::ReadWholeFile(tree.Path("sums.txt")), lines);
  // The completed name is taken: the file is replaced only when the user says so.
  tree.File("old.txt", 3);
  rig.prompter.picks = {tree.Path("old")};
  rig.prompter.answers = {Answer::kNo};
  rig.window.findChild<QPushButton*>("save")->click();
  QCOMPARE(rig.prompter.questions.size(), std::size_t{1});
  QCOMPARE(test::ReadWholeFile(tree.Path("old.txt")).size(), std::size_t{3});
  rig.prompter.picks = {tree.Path("old")};
  rig.prompter.answers = {Answer::kYes};
  rig.window.findChild<QPushButton*>("save")->click();
  QCOMPARE(test::ReadWholeFile(tree.Path("old.txt")), lines);
  rig.prompter.picks = {""};
  rig.window.findChild<QPushButton*>("save")->click();
  rig.prompter.picks = {tree.Path("gone/sums.txt")};
  rig.window.findChild<QPushButton*>("save")->click();
  QCOMPARE(rig.prompter.messages.size(), std::size_t{1});
  QVERIFY(rig.prompter.messages[0].text.starts_with("Cannot save: " + tree.Path("gone/sums.txt")));

  rig.window.findChild<QPushButton*>("copy")->click();
  QCOMPARE(QApplication::clipboard()->text(), PathToQt(lines));
  QCOMPARE(rig.prompter.messages.size(), std::size_t{1});
}

void ChecksumWindowTest::copyWarnsWhenTheListPassesTheLimit() {
  test::TempTree tree;
  // 5,300 lines of some 260 characters pass 1,048,576 characters.
  const std::string name = tree.File(std::string(200, 'n'));
  Rig rig;
  rig.window.Start(std::vector<std::string>(5300, name));
  QTRY_VERIFY(!rig.window.Running());
  rig.window.findChild<QPushButton*>("copy")->click();
  QCOMPARE(QApplication::clipboard()->text().size(), qsizetype{1048576});
  QCOMPARE(rig.prompter.messages.size(), std::size_t{1});
  QCOMPARE(rig.prompter.messages[0].text, "Too many items selected, clipboard data truncated");
}

void ChecksumWindowTest::escStopsARunAndThenCloses() {
  test::TempTree tree;
  std::vector<std::string> files;
  for (int i = 0; i < 400; ++i) files.push_back(tree.File("f" + std::to_string(i), 20000));
  Rig rig;
  rig.window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&rig.window));
  rig.window.Start(files, 1);
  QTest::keyClick(&rig.window, Qt::Key_Escape);
  // The run is over and the window still open; whatever was finished is shown in order.
  QCOMPARE(rig.stops, 1);
  QVERIFY(!rig.window.Running());
  QVERIFY(rig.window.isVisible());
  const auto& rows = rig.window.Rows();
  QVERIFY(rows.size() <= files.size());
  for (std::size_t i = 0; i < rows.size(); ++i) QCOMPARE(rows[i].name, files[i]);
  QTest::keyClick(&rig.window, Qt::Key_Escape);
  QVERIFY(!rig.window.isVisible());
  QCOMPARE(rig.stops, 1);
}

QTEST_MAIN(ChecksumWindowTest)
#include "checksum_window_qtest.moc"
