#include <QAction>
#include <QtTest>

#include "app/main_window.h"
#include "platform/scripted_prompter.h"
#include "support/fake_output_dialogs.h"
#include "support/window_fixture.h"

using namespace krellix;
using krellix::test::CountStarting;
using krellix::test::LogTexts;
using krellix::test::ReadWholeFile;
using krellix::test::TempHome;

namespace {

const char* kProgram = "/opt/krellix/krellix";

int Count(const std::string& text, const std::string& part) {
  int n = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

}  // namespace

class OutputCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void saveWritesTheWholeListWithHeaderAndStatistics();
  void cancelledSaveWritesNothing();
  void scanToFileWritesMatchesForOneRun();
  void cancelledScanToFileLeavesOneLine();
  void saveLogAndClearLog();
};

void OutputCommandsTest::saveWritesTheWholeListWithHeaderAndStatistics() {
  TempHome home;
  home.tree.File("a.txt", 1536);
  home.tree.File("b.doc", 10);
  ScriptedPrompter prompter;
  test::FakeOutputDialogs dialogs;
  dialogs.path = home.tree.Path("saved.txt");
  MainWindow form({kProgram, "-i"}, &prompter, &dialogs);
  QCOMPARE(form.Items().Count(), std::size_t{2});  // the start-up scan

  form.Command("output.save")->trigger();
  const std::string file = ReadWholeFile(dialogs.path);
  QCOMPARE(Count(file, "\r\n;  Total number 2"), 1);
  QCOMPARE(Count(file, home.tree.Path("a.txt") + " \t 1536 \t "), 1);
  QCOMPARE(Count(file, home.tree.Path("b.doc")), 2);  // its row and "Smallest name"
  QCOMPARE(Count(file, "File saved on: "), 1);
  const auto log = LogTexts(form.Log().Lines());
  QCOMPARE(log.back(), std::string("Saved_Item_count=2"));
  QCOMPARE(CountStarting(log, "Save " + dialogs.path), 1);

  // Saving again and appending adds a second complete layout.
  dialogs.answer = SaveMode::kAppend;
  form.Settings().output.OutFilePrompt = true;
  form.Command("output.save")->trigger();
  QCOMPARE(Count(ReadWholeFile(dialogs.path), "File saved on: "), 2);
}

void OutputCommandsTest::cancelledSaveWritesNothing() {
  TempHome home;
  home.tree.File("a.txt");
  ScriptedPrompter prompter;
  test::FakeOutputDialogs dialogs;
  dialogs.save = false;
  MainWindow form({kProgram, "-i"}, &prompter, &dialogs);
  form.Command("output.save")->trigger();
  QCOMPARE(LogTexts(form.Log().Lines()).back(), std::string("Save_file=cancelled"));
  QCOMPARE(form.StatusText(), QString("Save_file=cancelled"));
}

void OutputCommandsTest::scanToFileWritesMatchesForOneRun() {
  TempHome home;
  home.tree.File("a.txt");
  home.tree.File("sub/b.txt");
  ScriptedPrompter prompter;
  test::FakeOutputDialogs dialogs;
  dialogs.path = home.tree.Path("scan.txt");
  MainWindow form({kProgram, "-i"}, &prompter, &dialogs);

  form.Command("scan.to_file")->trigger();
  const std::string file = ReadWholeFile(dialogs.path);
  QCOMPARE(Count(file, home.tree.Path("a.txt")), 1);
  QCOMPARE(Count(file, home.tree.Path("sub/b.txt")), 1);
  QCOMPARE(Count(file, "Total number"), 0);  // no statistics in scan-to-file mode
  QCOMPARE(form.Items().Count(), std::size_t{0});
  QVERIFY(!form.State().ScanToFile);
  const auto log = LogTexts(form.Log().Lines());
  // The two files and the output file itself, which lies in the scanned folder.
  QCOMPARE(log.back(), std::string("Saved_Items=3"));
}

void OutputCommandsTest::cancelledScanToFileLeavesOneLine() {
  TempHome home;
  home.tree.File("a.txt");
  ScriptedPrompter prompter;
  test::FakeOutputDialogs dialogs;
  dialogs.save = false;
  MainWindow form({kProgram, "-i"}, &prompter, &dialogs);
  form.Command("scan.to_file")->trigger();
  QCOMPARE(form.Items().Count(), std::size_t{1});
  QCOMPARE(form.Items().Line(0), std::string("Scan cancelled"));
  QCOMPARE(LogTexts(form.Log().Lines()).back(), std::string("Scan=cancelled"));
}

void OutputCommandsTest::saveLogAndClearLog() {
  TempHome home;
  ScriptedPrompter prompter;
  test::FakeOutputDialogs dialogs;
  MainWindow form({kProgram, "-i"}, &prompter, &dialogs);
  const std::size_t lines_before = form.Log().Lines().size();
  prompter.picks.push_back(home.tree.Path("k.log"));
  form.Command("log.save")->trigger();
  const std::string file = ReadWholeFile(home.tree.Path("k.log"));
  QVERIFY(file.rfind(";  \r\n;  - Krellix - ", 0) == 0);
  QCOMPARE(Count(file, "Initialization=Complete"), 1);
  QCOMPARE(Count(file, "Save_Logfile=" + home.tree.Path("k.log")), 2);
  QCOMPARE(form.Log().Lines().size(), lines_before + 3);  // two Save_Logfile= and LogRecords=

  form.Command("log.clear")->trigger();
  QCOMPARE(form.Log().Lines().size(), std::size_t{1});
  QVERIFY(form.Log().Lines()[0].rfind("Log cleared at: ", 0) == 0);
}

QTEST_MAIN(OutputCommandsTest)
#include "output_commands_qtest.moc"
