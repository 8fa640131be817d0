#include <sys/stat.h>

#include <QAction>
#include <QClipboard>
#include <QDesktopServices>
#include <QMenu>
#include <QtTest>

#include "app/list_panel.h"
#include "app/main_window.h"
#include "app/startup_defaults.h"
#include "information/info_tab.h"
#include "information/info_windows.h"
#include "itemlist/item_actions.h"
#include "itemlist/item_entry.h"
#include "itemlist/item_list_view.h"
#include "navigation/navigation_actions.h"
#include "platform/scripted_prompter.h"
#include "support/item_lines.h"
#include "support/window_fixture.h"

using namespace krellix;
using krellix::test::TempHome;

namespace {

const char* kProgram = "/opt/krellix/krellix";

// An item line of `order` for `name` in `dir`; a directory when `is_dir`.
std::string Line(const std::string& dir, const std::string& name, const char* size = "10",
                 bool is_dir = false, ItemOrder order = ItemOrder::kPath) {
  return BuildItemEntry({is_dir ? "." : ":", "", dir, name, size, "2024-01-02 03:04"}, order);
}

// Replaces the list's lines (kept in the given order) and shows them.
void SetLines(MainWindow& form, const std::vector<std::string>& lines) {
  form.Items().Clear();
  form.Items().SetSorted(false);
  for (const std::string& line : lines) {
    krellix::test::AddTestLine(form.Items(), line, form.State().SortOutput);
  }
  form.Items().SetSorted(form.State().SortOutput != ItemOrder::kArrival);
  form.ListTabs()->ItemView()->Refresh();
}

std::vector<std::string> Lines(MainWindow& form) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < form.Items().Count(); ++i) out.emplace_back(form.Items().Line(i));
  return out;
}

void ClickRow(MainWindow& form, int row, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  ItemListView* view = form.ListTabs()->ItemView();
  QTest::mouseClick(view->viewport(), Qt::LeftButton, mods,
                    view->visualRect(view->model()->index(row, 0)).center());
}

void ShowForm(MainWindow& form) {
  form.show();
  form.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&form));
}

QString Info(MainWindow& form, const char* caption) {
  return form.ListTabs()->InfoView()->Value(caption);
}

// Runs `check` on the modal window that `open` shows, then closes it with a key.
template <typename Window>
bool CheckModal(const std::function<void()>& open, const std::function<void(Window*)>& check) {
  bool seen = false;
  QTimer::singleShot(0, [&] {
    auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
    if (window == nullptr) return;
    seen = true;
    check(window);
    QTest::keyClick(window, Qt::Key_Space);
  });
  open();
  return seen;
}

// Receives the URLs QDesktopServices is asked to open.
class UrlCatcher : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> urls;

 public slots:
  void Open(const QUrl& url) { urls.append(url); }
};

}  // namespace

class ItemCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void clickShowsNameAndAttributeLetters_data();
  void clickShowsNameAndAttributeLetters();
  void clickWithThreeSelectedCountsThem();
  void doubleClickOpensTheFile();
  void selectSimilarUnderSizeOrder();
  void moveKeysAndSortUndoingThem();
  void infoShowsSizesAndClearResetsIt();
  void clipboardNamesOrNothingSelected();
  void fileInfoWithNothingSelected();
  void driveInfoClosesOnAKeyPressedInIt();
  void menuEnablingFollowsTheSelection_data();
  void menuEnablingFollowsTheSelection();
};

void ItemCommandsTest::initTestCase() {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void ItemCommandsTest::clickShowsNameAndAttributeLetters_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("letters");
  QTest::newRow("directory") << "sub"
                             << "  [D]";
  QTest::newRow("read-only file") << "locked.txt"
                                  << "  [R]";
  QTest::newRow("plain file") << "plain.txt"
                              << "  [N]";
  QTest::newRow("vanished file") << "gone.txt"
                                 << "  [not found]";
}

void ItemCommandsTest::clickShowsNameAndAttributeLetters() {
  QFETCH(QString, name);
  QFETCH(QString, letters);
  TempHome home;
  const std::string root = home.tree.Root();
  home.tree.Dir("sub");
  home.tree.File("plain.txt");
  QCOMPARE(::chmod(home.tree.File("locked.txt").c_str(), 0444), 0);
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);
  ShowForm(form);
  SetLines(form, {Line(root, "sub", "0", true), Line(root, "gone.txt"), Line(root, "locked.txt"),
                  Line(root, "plain.txt")});

  int row = 0;
  while (form.Items().Line(row).find(name.toStdString()) == std::string::npos) ++row;
  ClickRow(form, row);
  QCOMPARE(form.StatusText(), QString::fromStdString(root) + name + letters);
}

void ItemCommandsTest::clickWithThreeSelectedCountsThem() {
  TempHome home;
  const std::string root = home.tree.Root();
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);
  ShowForm(form);
  SetLines(form, {Line(root, "a"), Line(root, "b"), Line(root, "c"), Line(root, "d")});

  ClickRow(form, 0);
  ClickRow(form, 2, Qt::ControlModifier);
  QCOMPARE(form.StatusText(), QString("2 items selected"));
  ClickRow(form, 3, Qt::ControlModifier);
  QCOMPARE(form.StatusText(), QString("3 items selected"));
  QCOMPARE(form.Items().SelectedCount(), std::size_t{3});
}

void ItemCommandsTest::doubleClickOpensTheFile() {
  TempHome home;
  const std::string root = home.tree.Root();
  home.tree.File("my file.txt");
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);
  ShowForm(form);
  SetLines(form, {Line(root, "my file.txt")});
  UrlCatcher catcher;
  QDesktopServices::setUrlHandler("file", &catcher, "Open");

  ItemListView* view = form.ListTabs()->ItemView();
  // A real double click: the first click presses the line, the second opens it.
  const QPoint at = view->visualRect(view->model()->index(0, 0)).center();
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
  QDesktopServices::unsetUrlHandler("file");

  QCOMPARE(catcher.urls.size(), 1);
  QCOMPARE(catcher.urls[0].toLocalFile(), QString::fromStdString(root + "my file.txt"));
}

void ItemCommandsTest::selectSimilarUnderSizeOrder() {
  TempHome home;
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);
  form.State().SortOutput = ItemOrder::kSize;
  SetLines(form, {Line("/d/", "a", "100", false, ItemOrder::kSize),
                  Line("/e/", "b", "100", false, ItemOrder::kSize),
                  Line("/d/", "c", "200", false, ItemOrder::kSize),
                  Line("/d/", "d", "300", false, ItemOrder::kSize),
                  Line("/f/", "e", "300", false, ItemOrder::kSize)});

  form.ItemCommands().select_similar->trigger();

  const std::vector<bool> expected = {true, true, false, true, true};
  for (std::size_t i = 0; i < expected.size(); ++i) QCOMPARE(form.Items().Selected(i), expected[i]);
  QCOMPARE(form.ListTabs()->ItemView()->selectionModel()->selectedRows().size(), 4);
}

void ItemCommandsTest::moveKeysAndSortUndoingThem() {
  TempHome home;
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);
  ShowForm(form);
  const std::string a = Line("/d/", "a"), b = Line("/d/", "b"), c = Line("/d/", "c");
  SetLines(form, {a, b, c});
  ItemListView* view = form.ListTabs()->ItemView();
  ClickRow(form, 0);
  view->setFocus();

  QTest::keyClick(view, Qt::Key_D, Qt::ShiftModifier);
  // Shift let go before the letter still moves the line.
  QTest::keyPress(view, Qt::Key_Shift, Qt::ShiftModifier);
  QTest::keyPress(view, Qt::Key_D, Qt::ShiftModifier);
  QTest::keyRelease(view, Qt::Key_Shift, Qt::NoModifier);
  QTest::keyRelease(view, Qt::Key_D, Qt::NoModifier);
  QCOMPARE(Lines(form), (std::vector<std::string>{b, c, a}));
  QTest::keyClick(view, Qt::Key_U, Qt::ShiftModifier);
  QCOMPARE(Lines(form), (std::vector<std::string>{b, a, c}));
  QCOMPARE(form.Items().Current(), std::int64_t{1});
  // The view shows the moved line, selected and current.
  QCOMPARE(view->model()->index(1, 0).data().toString(), QString::fromStdString(a));
  QCOMPARE(view->currentIndex().row(), 1);
  QVERIFY(view->selectionModel()->isRowSelected(1, {}));

  form.ItemCommands().sort->trigger();
  QCOMPARE(Lines(form), (std::vector<std::string>{a, b, c}));
  QCOMPARE(view->model()->index(0, 0).data().toString(), QString::fromStdString(a));
}

void ItemCommandsTest::infoShowsSizesAndClearResetsIt() {
  TempHome home;
  const std::string file = home.tree.File("half.bin", 1536);
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);
  QCOMPARE(form.Items().Count(), std::size_t{1});  // the start-up scan found it

  QTest::keyClick(form.ListTabs()->ItemView(), Qt::Key_F12);
  QVERIFY(form.ListTabs()->Showing(ListPanel::kInfo));
  QCOMPARE(form.ListTabs()->InfoView()->GroupTitle(InfoTab::kItemList),
           QString(" Item list information "));
  QCOMPARE(Info(form, "Total number of files = "), QString("1"));
  QCOMPARE(Info(form, "Total size of files = "), QString("2 Kbytes"));
  QCOMPARE(Info(form, "Smallest file size = "), QString("1.500 Kbytes"));
  QCOMPARE(Info(form, "Largest file size = "), QString("1.500 Kbytes"));
  QCOMPARE(Info(form, "Largest file name = "), QString::fromStdString(file));
  QCOMPARE(Info(form, " .Ini file ="), QString("Disabled"));
  QCOMPARE(Info(form, "Output file = "), QString::fromStdString(form.Settings().output.SaveName));
  QCOMPARE(Info(form, "Output header-2 = "), QString("- "));

  form.ListTabs()->Show(ListPanel::kItems);
  form.ItemCommands().clear->trigger();
  QCOMPARE(form.Items().Count(), std::size_t{0});
  QCOMPARE(form.ListTabs()->ItemView()->model()->rowCount(), 0);
  QCOMPARE(form.StatusText(), QString(kCopyright));
  QCOMPARE(form.State().MaxListLength, 0);

  form.ListTabs()->Show(ListPanel::kInfo);
  for (const char* caption : {"Total number of files = ", "Smallest file size = ",
                              "Oldest file date = ", "Oldest file name = "}) {
    QCOMPARE(Info(form, caption), QString("** unknown **"));
  }
}

void ItemCommandsTest::clipboardNamesOrNothingSelected() {
  TempHome home;
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);
  ShowForm(form);
  SetLines(form, {Line("/d/", "a.txt"), Line("/e/", "b.txt"), Line("/f/", "c.txt")});
  QApplication::clipboard()->setText("before");

  QTest::keyClick(form.ListTabs()->ItemView(), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
  QCOMPARE(form.StatusText(), QString("Copy failed: no item selected"));
  QCOMPARE(QApplication::clipboard()->text(), QString("before"));

  form.ItemCommands().select_all->trigger();
  QCOMPARE(form.Items().SelectedCount(), std::size_t{3});
  form.ItemCommands().path_to_clipboard->trigger();
  QCOMPARE(QApplication::clipboard()->text(), QString("/d/a.txt\r\n/e/b.txt\r\n/f/c.txt\r\n"));
  form.ItemCommands().select_none->trigger();
  QCOMPARE(form.Items().SelectedCount(), std::size_t{0});
  QVERIFY(form.ListTabs()->ItemView()->selectionModel()->selectedRows().isEmpty());
  QVERIFY(prompter.messages.empty());
}

void ItemCommandsTest::fileInfoWithNothingSelected() {
  TempHome home;
  home.tree.File("a.txt", 4096);
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);
  QCOMPARE(form.Items().Count(), std::size_t{1});

  QString files, size;
  const bool shown = CheckModal<FileInfoWindow>([&] { form.Command("items.file_info")->trigger(); },
                                                [&](FileInfoWindow* window) {
                                                  files = window->LineText("Number of files = ");
                                                  size = window->LineText("Total filesize = ");
                                                });
  QVERIFY(shown);
  QCOMPARE(files, QString("Number of files = 0"));
  QCOMPARE(size, QString("Total filesize = 0 KBytes"));
  QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void ItemCommandsTest::driveInfoClosesOnAKeyPressedInIt() {
  TempHome home;
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);

  QString volume, total;
  bool open_after_lone_release = false;
  const bool shown = CheckModal<DriveInfoWindow>([&] { form.Command("info.drive")->trigger(); },
                                                 [&](DriveInfoWindow* window) {
                                                   volume = window->LineText("Volume = ");
                                                   total = window->LineText("Total space = ");
                                                   // The release of a key pressed before the window
                                                   // opened leaves it open.
                                                   QTest::keyRelease(window, Qt::Key_Return);
                                                   open_after_lone_release = window->isVisible();
                                                 });
  QVERIFY(shown);
  QVERIFY(open_after_lone_release);
  QVERIFY(volume.startsWith("Volume = "));
  QVERIFY(total.startsWith("Total space = ") && total.endsWith(" Kbytes"));
  QVERIFY(total != "Total space = unknown");
  QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void ItemCommandsTest::menuEnablingFollowsTheSelection_data() {
  QTest::addColumn<int>("selected");
  QTest::newRow("none") << 0;
  QTest::newRow("one") << 1;
  QTest::newRow("two") << 2;
}

void ItemCommandsTest::menuEnablingFollowsTheSelection() {
  QFETCH(int, selected);
  TempHome home;
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);
  SetLines(form, {Line("/d/", "a"), Line("/d/", "b"), Line("/d/", "c")});
  for (int i = 0; i < selected; ++i) form.Items().SetSelected(i, true);
  const ItemActions& a = form.ItemCommands();
  QMenu* menu = form.ListTabs()->ItemMenu();

  emit menu->aboutToShow();
  const NavigationActions& nav = form.NavigationCommands();
  for (QAction* action : {a.filename_to_clipboard, a.path_to_clipboard, a.exclude,
                          form.Command("items.file_info"), form.Command("items.add_to_files")}) {
    QCOMPARE(action->isEnabled(), selected >= 1);
  }
  // "Goto..." and "Bookmark directory" act on exactly one line.
  for (QAction* action : {nav.goto_item, form.Command("items.bookmark_directory")}) {
    QCOMPARE(action->isEnabled(), selected == 1);
  }
  QVERIFY(a.select_all->isEnabled() && a.clear->isEnabled() && a.sort->isEnabled());
  for (const char* id : {"items.delete", "items.purge", "items.copy", "items.move", "items.attrib",
                         "items.split_join"}) {
    QCOMPARE(form.Command(id)->isEnabled(), selected >= 1);
  }
  // Closed, the commands answer their keys again whatever the selection.
  emit menu->aboutToHide();
  QVERIFY(form.Command("items.file_info")->isEnabled());
}

QTEST_MAIN(ItemCommandsTest)
#include "item_commands_qtest.moc"
