#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>

#include "app/criteria_panel.h"
#include "app/list_panel.h"
#include "app/main_window.h"
#include "app/startup_defaults.h"
#include "itemlist/item_list_view.h"
#include "navigation/address_bar.h"
#include "navigation/directory_panel.h"
#include "platform/file_system.h"
#include "platform/scripted_prompter.h"
#include "support/fake_output_dialogs.h"
#include "support/window_fixture.h"

using namespace krellix;
using krellix::test::CountStarting;
using krellix::test::LogTexts;
using krellix::test::TempHome;

namespace {

const char* kProgram = "/opt/krellix/krellix";

std::vector<std::string> ItemLines(MainWindow& form) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < form.Items().Count(); ++i) lines.emplace_back(form.Items().Line(i));
  return lines;
}

bool AnyLineHas(MainWindow& form, const std::string& text) {
  for (const std::string& line : ItemLines(form)) {
    if (line.find(text) != std::string::npos) return true;
  }
  return false;
}

QLineEdit* ScanField(MainWindow& form) { return form.CriteriaTabs()->ScanBox()->lineEdit(); }

QToolButton* Button(MainWindow& form, const char* name) {
  return form.findChild<QToolButton*>(name);
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void startupLogsInOrderWithScanToFile();
  void startupScanCoversTheTopLevelOnly();
  void enterInTheScanBoxLogsScanTwice();
  void dirAllListsEverythingAndRestoresTheScanString();
  void stopDuringARunEndsItWithAWarning();
  void decliningTheItemLimitKeepsThatManyLines();
  void functionKeysNeedNoOrTwoModifiers_data();
  void functionKeysNeedNoOrTwoModifiers();
  void shiftLettersSwitchPanesOutsideTheScanBox();
  void shiftLettersTypeInTheAddressBar();
  void f4ScansFromTheScanBoxWithHistory();
  void autoScanFollowsDirectoryChanges();
  void appendKeepsTheEarlierResults();
  void clearButtonEmptiesTheScanBox();
  void hintsShowOnlyWhenSwitchedOn();
  void customScanStringsRunFromTheScanButtonMenu();
  void scanCommandsWaitForTheRunningScan();
  void resetSelectionCriteriaStartsAfresh();
  void widthBoundNeverUndercutsTheWidth();
};

void MainWindowTest::startupLogsInOrderWithScanToFile() {
  TempHome home;
  home.tree.File("a.txt");
  ScriptedPrompter prompter;
  test::FakeOutputDialogs dialogs;
  dialogs.path = home.tree.Path("out.txt");
  MainWindow form({kProgram, "-i", "-sf"}, &prompter, &dialogs);

  std::vector<std::string> keys;
  for (const std::string& text : LogTexts(form.Log().Lines())) {
    // The settings loader moving the tree may log a directory change in between.
    if (text.rfind("Change_directory=", 0) == 0) continue;
    keys.push_back(text.substr(0, text.find('=') + 1));
  }
  // The output file's "Save " line has no "=".
  const std::vector<std::string> expected = {"Krellix=",
                                             "Scan_to_file=",
                                             "Initialization=",
                                             "Initial_directory=",
                                             "Initial_autoScan=",
                                             "Scan=",
                                             "",
                                             "Scan_to_file=",
                                             "Scanning=",
                                             "Items_Found=",
                                             "Saved_Items="};
  QCOMPARE(keys, expected);
  // The match went to the file, with the header block and without statistics.
  const std::string written = test::ReadWholeFile(dialogs.path);
  QVERIFY(written.find("a.txt") != std::string::npos);
  QVERIFY(written.find("File saved on: ") != std::string::npos);
  QVERIFY(written.find("Total number") == std::string::npos);
  QCOMPARE(form.Items().Count(), std::size_t{0});
  const auto texts = LogTexts(form.Log().Lines());
  QVERIFY(CountStarting(texts, "Initial_directory=" +
                                   home.tree.Root().substr(0, home.tree.Root().size() - 1)) == 1);

  // Scan-to-file mode: no item commands, an unsorted list, AutoScan kept on, no "Append ".
  QVERIFY(!form.Actions().items_menu->menuAction()->isEnabled());
  QCOMPARE(form.State().SortOutput, ItemOrder::kArrival);
  QVERIFY(!form.Items().Sorted());
  QCOMPARE(form.ListTabs()->ItemView()->contextMenuPolicy(), Qt::NoContextMenu);
  QVERIFY(!form.Actions().auto_scan->isChecked());
  QVERIFY(!form.Actions().auto_scan->isEnabled());
  QVERIFY(form.State().AutoScan);
  QVERIFY(!form.CriteriaTabs()->AppendBox()->isEnabled());
}

void MainWindowTest::startupScanCoversTheTopLevelOnly() {
  TempHome home;
  home.tree.File("top1.txt");
  home.tree.File("top2.doc");
  home.tree.File("sub/deep.txt");
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);

  QCOMPARE(form.Items().Count(), std::size_t{2});
  QVERIFY(AnyLineHas(form, "top1.txt"));
  QVERIFY(AnyLineHas(form, "top2.doc"));
  QVERIFY(form.Criteria().sub_dirs);
  QVERIFY(!form.State().SkipSubDir);
  QCOMPARE(CountStarting(LogTexts(form.Log().Lines()), "Initial_autoScan=*.*"), 1);

  // A later scan honours "Sub-dirs. ".
  form.Actions().scan->trigger();
  QCOMPARE(form.Items().Count(), std::size_t{3});
  QVERIFY(AnyLineHas(form, "deep.txt"));
}

void MainWindowTest::enterInTheScanBoxLogsScanTwice() {
  TempHome home;
  home.tree.File("a.txt");
  home.tree.File("b.doc");
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);
  const auto before = LogTexts(form.Log().Lines());

  form.CriteriaTabs()->SetScanText("*.doc");
  // Typed keys reach the combo box, which is the focus widget, not its line edit.
  QTest::keyClick(form.CriteriaTabs()->ScanBox(), Qt::Key_Return);

  const auto after = LogTexts(form.Log().Lines());
  QCOMPARE(CountStarting(after, "Scan=*.doc") - CountStarting(before, "Scan=*.doc"), 2);
  QCOMPARE(CountStarting(after, "Scanning=") - CountStarting(before, "Scanning="), 1);
  QCOMPARE(form.Items().Count(), std::size_t{1});
  QVERIFY(AnyLineHas(form, "b.doc"));
  QCOMPARE(ScanField(form)->text(), QString("*.doc"));
}

void MainWindowTest::dirAllListsEverythingAndRestoresTheScanString() {
  TempHome home;
  home.tree.File("a.txt");
  home.tree.File("b.doc");
  home.tree.File("sub/c.txt");
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);

  form.CriteriaTabs()->SetScanText("*.doc");
  QTest::mouseClick(Button(form, "dirAllButton"), Qt::LeftButton);

  QCOMPARE(CountStarting(LogTexts(form.Log().Lines()), "Dir *.* "), 1);
  QCOMPARE(form.Items().Count(), std::size_t{2});
  QVERIFY(AnyLineHas(form, "a.txt"));
  QVERIFY(AnyLineHas(form, "b.doc"));
  QCOMPARE(ScanField(form)->text(), QString("*.doc"));
  QCOMPARE(form.Criteria().scan_text, std::string("*.doc"));
}

void MainWindowTest::stopDuringARunEndsItWithAWarning() {
  TempHome home;
  for (int i = 0; i < 5; ++i) home.tree.File("d" + std::to_string(i) + "/f.txt");
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);
  const std::size_t log_start = form.Log().Lines().size();

  bool pressed = false;
  prompter.on_process_events = [&] {
    if (pressed) return;
    pressed = true;
    QTest::mouseClick(Button(form, "stopButton"), Qt::LeftButton);
  };
  QTest::mouseClick(Button(form, "scanButton"), Qt::LeftButton);

  QVERIFY(pressed);
  QCOMPARE(form.Items().Count(), std::size_t{0});
  std::vector<std::string> run(form.Log().Lines().begin() + log_start, form.Log().Lines().end());
  std::vector<std::string> keys;
  for (const std::string& text : LogTexts(run)) keys.push_back(text.substr(0, text.find('=')));
  const std::vector<std::string> expected = {"Scan", "Scanning", "ESC_or_STOP_pressed",
                                             "Items_Found", "Scan stopped at user request"};
  QCOMPARE(keys, expected);
  QCOMPARE(prompter.messages.size(), std::size_t{1});
  QCOMPARE(prompter.messages[0].text, std::string("Directory scan stopped at user request"));
  QVERIFY(prompter.messages[0].kind == MessageKind::kWarning);
  // The next run is not stopped by the old request.
  prompter.on_process_events = nullptr;
  form.Actions().scan->trigger();
  QCOMPARE(form.Items().Count(), std::size_t{5});
}

void MainWindowTest::decliningTheItemLimitKeepsThatManyLines() {
  TempHome home;
  for (int i = 0; i < 10; ++i) home.tree.File("f" + std::to_string(i) + ".txt");
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);
  form.State().ItemLimit = 3;
  prompter.answers = {Answer::kYes, Answer::kNo};

  form.Actions().scan->trigger();

  const std::vector<std::string> asked = {"3 items found, continue?", "6 items found, continue?"};
  QCOMPARE(prompter.questions, asked);
  QCOMPARE(form.Items().Count(), std::size_t{6});
}

void MainWindowTest::functionKeysNeedNoOrTwoModifiers_data() {
  QTest::addColumn<int>("modifiers");
  QTest::addColumn<bool>("acts");
  QTest::newRow("none") << int(Qt::NoModifier) << true;
  QTest::newRow("ctrl") << int(Qt::ControlModifier) << false;
  QTest::newRow("shift") << int(Qt::ShiftModifier) << false;
  QTest::newRow("alt") << int(Qt::AltModifier) << false;
  QTest::newRow("ctrl shift") << int(Qt::ControlModifier | Qt::ShiftModifier) << true;
  QTest::newRow("ctrl alt shift") << int(Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier)
                                  << true;
}

void MainWindowTest::functionKeysNeedNoOrTwoModifiers() {
  QFETCH(int, modifiers);
  QFETCH(bool, acts);
  TempHome home;
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);
  QWidget* list = form.ListTabs()->ItemView();

  QTest::keyClick(list, Qt::Key_F3, Qt::KeyboardModifiers(modifiers));
  QTest::keyClick(list, Qt::Key_F4, Qt::KeyboardModifiers(modifiers));
  QTest::keyClick(list, Qt::Key_F10, Qt::KeyboardModifiers(modifiers));

  const auto texts = LogTexts(form.Log().Lines());
  QCOMPARE(CountStarting(texts, "Dir *.* "), acts ? 1 : 0);
  // The start-up scan logged one "Scan=" already; F4 adds one.
  QCOMPARE(CountStarting(texts, "Scan=") - 1, acts ? 1 : 0);
  QCOMPARE(form.StatusText() == "Key has no function", acts);

  // Esc stops with any modifier.
  QTest::keyClick(list, Qt::Key_Escape, Qt::KeyboardModifiers(modifiers));
  QCOMPARE(CountStarting(LogTexts(form.Log().Lines()), "ESC_or_STOP_pressed=Yes"), 1);
}

void MainWindowTest::shiftLettersSwitchPanesOutsideTheScanBox() {
  TempHome home;
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  DirectoryPanel* panes = form.DirectoryTabs();

  ScanField(form)->setFocus();
  QTest::keyClick(ScanField(form), 'L', Qt::ShiftModifier);
  QVERIFY(panes->ActivePane() == DirPane::kTree);
  QVERIFY(ScanField(form)->text().endsWith("L"));

  QWidget* list = form.ListTabs()->ItemView();
  list->setFocus();
  QTest::keyClick(list, Qt::Key_L, Qt::ShiftModifier);
  QVERIFY(panes->ActivePane() == DirPane::kList);
  QTest::keyClick(list, Qt::Key_X, Qt::ShiftModifier);
  QVERIFY(panes->ActivePane() == DirPane::kSkip);
  QTest::keyClick(list, Qt::Key_V, Qt::ShiftModifier);
  QVERIFY(panes->ActivePane() == DirPane::kTree);
  QTest::keyClick(list, Qt::Key_X, Qt::ControlModifier | Qt::ShiftModifier);
  QVERIFY(panes->ActivePane() == DirPane::kTree);
}

void MainWindowTest::shiftLettersTypeInTheAddressBar() {
  TempHome home;
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  QLineEdit* address = form.AddressField()->Field()->lineEdit();
  address->setFocus();
  address->clear();
  QTest::keyClick(address, 'L', Qt::ShiftModifier);
  QTest::keyClick(address, 'X', Qt::ShiftModifier);
  QCOMPARE(address->text(), QString("LX"));
  QVERIFY(form.DirectoryTabs()->ActivePane() == DirPane::kTree);
}

void MainWindowTest::f4ScansFromTheScanBoxWithHistory() {
  // The box's own use of F4 (opening its list) must not swallow the scan.
  TempHome home;
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  QComboBox* box = form.CriteriaTabs()->ScanBox();
  QVERIFY(box->count() > 0);
  ScanField(form)->setFocus();
  const int before = CountStarting(LogTexts(form.Log().Lines()), "Scan=");
  QTest::keyClick(ScanField(form), Qt::Key_F4);
  QCOMPARE(CountStarting(LogTexts(form.Log().Lines()), "Scan="), before + 1);
  QVERIFY(!box->view()->isVisible());
}

void MainWindowTest::autoScanFollowsDirectoryChanges() {
  TempHome home;
  home.tree.File("top.txt");
  home.tree.File("sub/one.txt");
  home.tree.File("sub/deeper/two.txt");
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);
  QVERIFY(form.State().AutoScan);
  const std::size_t log_start = form.Log().Lines().size();

  QVERIFY(form.SetTreeDirectory(home.tree.Path("sub")));
  std::vector<std::string> run(form.Log().Lines().begin() + log_start, form.Log().Lines().end());
  const auto texts = LogTexts(run);
  QCOMPARE(texts.at(0), "Change_directory=" + home.tree.Path("sub"));
  QCOMPARE(texts.at(1), std::string("AutoScan=*.*"));
  QCOMPARE(texts.at(2), std::string("Scan=*.*"));
  QCOMPARE(form.Items().Count(), std::size_t{1});
  QVERIFY(AnyLineHas(form, "one.txt"));

  // The very same text is no change; a missing directory is refused with a message.
  const std::size_t lines = form.Log().Lines().size();
  QVERIFY(form.SetTreeDirectory(home.tree.Path("sub")));
  QCOMPARE(form.Log().Lines().size(), lines);
  QVERIFY(!form.GotoDirectory(home.tree.Path("missing")));
  QCOMPARE(prompter.messages.back().text, "Path not accessible: " + home.tree.Path("missing"));
  QCOMPARE(form.TreeDirectory(), home.tree.Path("sub"));

  // Pressing the toggle turns AutoScan off: a change then scans nothing.
  QTest::mouseClick(Button(form, "autoScanButton"), Qt::LeftButton);
  QVERIFY(!form.State().AutoScan);
  QVERIFY(form.SetTreeDirectory(home.tree.Path("sub/deeper")));
  QCOMPARE(CountStarting(LogTexts(form.Log().Lines()), "AutoScan="), 1);
  QVERIFY(AnyLineHas(form, "one.txt"));
}

void MainWindowTest::appendKeepsTheEarlierResults() {
  TempHome home;
  home.tree.File("a.txt");
  home.tree.File("b.doc");
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);
  form.CriteriaTabs()->SetScanText("*.txt");
  form.Actions().scan->trigger();
  QCOMPARE(form.Items().Count(), std::size_t{1});

  form.CriteriaTabs()->AppendBox()->click();
  form.CriteriaTabs()->SetScanText("*.doc");
  form.Actions().scan->trigger();
  QCOMPARE(form.Items().Count(), std::size_t{2});
  QCOMPARE(form.ListTabs()->ItemView()->model()->rowCount(), 2);
  const auto texts = LogTexts(form.Log().Lines());
  QCOMPARE(CountStarting(texts, "Items_Found=2 Total=1 "), 1);
}

void MainWindowTest::clearButtonEmptiesTheScanBox() {
  TempHome home;
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  form.CriteriaTabs()->SetScanText("*.txt");

  QTest::mouseClick(form.CriteriaTabs()->ClearButton(), Qt::LeftButton);
  QCOMPARE(ScanField(form)->text(), QString());
  QCOMPARE(form.Criteria().scan_text, std::string());
  QVERIFY(ScanField(form)->hasFocus());

  // An empty box scans for "*.*".
  form.Actions().scan->trigger();
  QCOMPARE(ScanField(form)->text(), QString("*.*"));
}

void MainWindowTest::hintsShowOnlyWhenSwitchedOn() {
  TempHome home;
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  QToolButton* button = Button(form, "autoScanButton");
  auto ask_for_hint = [button] {
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(button, &help);
  };

  ask_for_hint();
  QVERIFY(!QToolTip::isVisible());
  form.Actions().show_hints->trigger();
  QVERIFY(form.Settings().ShowHints);
  ask_for_hint();
  QTRY_VERIFY(QToolTip::isVisible());
  QCOMPARE(QToolTip::text(), QString("Toggle AutoScan"));
  QToolTip::hideText();
}

void MainWindowTest::customScanStringsRunFromTheScanButtonMenu() {
  TempHome home;
  home.tree.File("a.gif");
  home.tree.File("b.txt");
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);
  const MainActions& actions = form.Actions();
  QCOMPARE(actions.custom[1]->text(), QString("*.gif *.bmp *.jpg *.png *.tif"));
  QCOMPARE(actions.custom_menu->actions().last()->text(), QString("Cancel"));
  form.CriteriaTabs()->SetScanText("*.txt");

  actions.custom[1]->trigger();
  QCOMPARE(CountStarting(LogTexts(form.Log().Lines()), "Mask=*.gif *.bmp"), 1);
  QCOMPARE(form.Items().Count(), std::size_t{1});
  QVERIFY(AnyLineHas(form, "a.gif"));
  QCOMPARE(ScanField(form)->text(), QString("*.txt"));

  const std::size_t lines = form.Log().Lines().size();
  actions.custom_cancel->trigger();
  QCOMPARE(form.Log().Lines().size(), lines);
}

void MainWindowTest::scanCommandsWaitForTheRunningScan() {
  TempHome home;
  home.tree.File("a.txt");
  home.tree.File("sub/b.txt");
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);
  QWidget* list = form.ListTabs()->ItemView();

  int polls = 0;
  prompter.on_process_events = [&] {
    if (polls++ > 0) return;
    QVERIFY(QApplication::overrideCursor() != nullptr);
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::BusyCursor);
    QVERIFY(!list->updatesEnabled());
    QVERIFY(!form.Actions().scan->isEnabled());
    QVERIFY(!form.Actions().dir_all->isEnabled());
    // Neither the buttons nor the keys start a second run inside this one.
    QTest::mouseClick(Button(form, "dirAllButton"), Qt::LeftButton);
    QTest::keyClick(list, Qt::Key_F3);
    QTest::keyClick(ScanField(form), Qt::Key_Return);
  };
  form.Actions().scan->trigger();

  QVERIFY(polls > 0);
  const auto texts = LogTexts(form.Log().Lines());
  QCOMPARE(CountStarting(texts, "Dir *.* "), 0);
  QCOMPARE(CountStarting(texts, "Scanning="), 2);  // the start-up scan and this one
  QCOMPARE(form.Items().Count(), std::size_t{2});
  QVERIFY(QApplication::overrideCursor() == nullptr);
  QVERIFY(list->updatesEnabled());
  QVERIFY(form.Actions().scan->isEnabled());
}

void MainWindowTest::resetSelectionCriteriaStartsAfresh() {
  TempHome home;
  home.tree.File("a.txt");
  home.tree.File("b.doc");
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);
  QVERIFY(DirectoryExists(home.tree.Path(".config/Krellix")));
  form.Actions().auto_scan->trigger();
  QVERIFY(!form.State().AutoScan);
  form.CriteriaTabs()->SetScanText("*.doc");
  form.Criteria().use_path = true;
  form.Criteria().min.enabled = true;
  form.Criteria().created.to_date = true;
  QCOMPARE(form.Items().Count(), std::size_t{2});

  form.Actions().reset_criteria->trigger();

  QCOMPARE(ScanField(form)->text(), QString("*.*"));
  QVERIFY(!form.Criteria().use_path);
  QVERIFY(!form.Criteria().min.enabled);
  QVERIFY(form.Criteria().created.to_date);
  QCOMPARE(form.Items().Count(), std::size_t{0});
  QCOMPARE(form.StatusText().toStdString(), "Change_directory=" + form.TreeDirectory());
  // AutoScan comes back with its stored value, and the toggle shows it.
  QVERIFY(form.State().AutoScan);
  QVERIFY(!form.Actions().auto_scan->isChecked());
}

void MainWindowTest::widthBoundNeverUndercutsTheWidth() {
  TempHome home;
  ScriptedPrompter prompter;
  test::FakeOutputDialogs dialogs;
  MainWindow form({kProgram, "-i"}, &prompter, &dialogs);
  const std::string lines[] = {
      "",
      "i",
      "WWWWWWWWWWWWWWWWWWWWMMMMMMMMMMMM",
      "AVAVAVAV To Ty Yo LT",
      ": |  | /tmp/x/ | file_000001_some_longer_name.txt | 0 | 2026-12-10 01:18",
      "\xC3\xA4\xC3\xB6\xC3\xBC \xE2\x82\xAC \xE4\xB8\xAD\xE6\x96\x87 \xF0\x9F\x98\x80",
      "tab\there\x01\x7F",
      "\xFF\xFE not UTF-8",
      // Long lines: the rounding of every advance adds up.
      std::string(300, 'l') + std::string(300, 'f') + "/" + std::string(200, 'i'),
      ": |  | /home/user/" + std::string(40, 'a') +
          "/projects/krellix/tree/d12/s123/ | "
          "file1234567890_with_a_long_name.txt | 1234567890 | 2026-12-10 01:18",
  };
  // The default font, then fonts whose advances are fractions of a pixel.
  for (const double points : {0.0, 9.3, 10.5, 13.7}) {
    if (points > 0) {
      QFont font = form.ListTabs()->ItemView()->font();
      font.setPointSizeF(points);
      form.ListTabs()->ItemView()->setFont(font);
    }
    for (const std::string& line : lines) {
      QVERIFY2(form.Services().TextWidthBound(line) >= form.Services().TextWidth(line),
               (std::to_string(points) + " " + line).c_str());
    }
  }
}

QTEST_MAIN(MainWindowTest)
#include "main_window_qtest.moc"
