#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "app/list_panel.h"
#include "app/main_window.h"
#include "itemlist/item_list_view.h"
#include "navigation/address_bar.h"
#include "navigation/bookmarks_dialog.h"
#include "navigation/check_list_widget.h"
#include "navigation/directory_panel.h"
#include "navigation/directory_path.h"
#include "navigation/edit_list_dialog.h"
#include "navigation/list_commands.h"
#include "navigation/navigation_actions.h"
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

// The log texts added since `from` lines.
std::vector<std::string> LogSince(const MainWindow& form, std::size_t from) {
  const std::vector<std::string>& lines = form.Log().Lines();
  return LogTexts(std::vector<std::string>(lines.begin() + static_cast<long>(from), lines.end()));
}

std::vector<std::string> Messages(const ScriptedPrompter& prompter) {
  std::vector<std::string> texts;
  for (const auto& m : prompter.messages) texts.push_back(m.text);
  return texts;
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

// The entries' marks and texts, one mark line each ("+" checked, "-" unchecked, "*" disabled).
std::vector<std::string> Marked(const CheckList& list) {
  std::vector<std::string> out;
  for (const CheckListEntry& e : list.entries) {
    out.push_back((!e.enabled ? "*" : e.checked ? "+" : "-") + e.text);
  }
  return out;
}

QStringList MenuTexts(QMenu* menu) {
  QStringList texts;
  for (QAction* a : menu->actions()) texts << a->text();
  return texts;
}

// Runs `steps` on the "Bookmarks" window once it is up, modal.
void OnBookmarksWindow(const std::function<void(BookmarksDialog*)>& steps) {
  QTimer::singleShot(0, [steps] {
    auto* window = qobject_cast<BookmarksDialog*>(QApplication::activeModalWidget());
    QVERIFY(window != nullptr);
    steps(window);
  });
}

void Click(QWidget* window, const char* button) {
  window->findChild<QPushButton*>(button)->click();
}

}  // namespace

class NavigationWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void refusedChangeChangesNothing();
  void enterInTheAddressFieldAppendsTheDelimiter();
  void previousAndNextWalkTheHistoryWithAutoScan();
  void upRootAndGotoFromTheItemList();
  void startUpLoadReadsTheListFiles();
  void listSaveAndLoadRoundTrip();
  void listSaveIntoAMissingFolderFails();
  void fileListCollectsGoesToAndEdits();
  void editWindowReplacesTheFileListOnlyOnOk();
  void clipboardTakesTheDriveAndAtMost255Characters();
  void bookmarksAddExistAndJump();
  void bookmarksWindowAppliesOnlyOnOk();
};

void NavigationWindowTest::refusedChangeChangesNothing() {
  TempHome home;
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);
  const std::string start = form.TreeDirectory();
  const std::vector<std::string> history = form.Addresses().Entries();
  const std::size_t log_size = form.Log().Lines().size();

  const std::string missing = home.tree.Path("gone/");
  form.AddressField()->SetText(missing);
  QTest::keyClick(form.AddressField()->Field(), Qt::Key_Return);

  QCOMPARE(Messages(prompter), std::vector<std::string>{"Path not accessible: " + missing});
  QCOMPARE(form.TreeDirectory(), start);
  QCOMPARE(form.Log().Lines().size(), log_size);
  QCOMPARE(form.Addresses().Entries(), history);
}

void NavigationWindowTest::enterInTheAddressFieldAppendsTheDelimiter() {
  TempHome home;
  home.tree.Dir("data");
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);
  const std::size_t log_start = form.Log().Lines().size();
  form.AddressField()->SetText(home.tree.Path("data"));
  QTest::keyClick(form.AddressField()->Field(), Qt::Key_Return);

  QCOMPARE(form.TreeDirectory(), home.tree.Path("data"));
  QCOMPARE(form.AddressText(), home.tree.Path("data"));  // the tree's form once changed
  QCOMPARE(form.Addresses().Entries().front(), home.tree.Path("data/"));
  QCOMPARE(LogSince(form, log_start).at(0), "Change_directory=" + home.tree.Path("data"));
  // Choosing the drop-down's second entry goes there and records it again at the head.
  const std::string second = form.Addresses().Entries().at(1);
  emit form.AddressField()->entryChosen(1);
  QCOMPARE(form.Addresses().Entries().front(), second);
  QCOMPARE(form.AddressField()->Field()->count(),
           static_cast<int>(form.Addresses().Entries().size()));
}

void NavigationWindowTest::previousAndNextWalkTheHistoryWithAutoScan() {
  TempHome home;
  for (const char* file : {"A/a.txt", "B/b.txt", "B/deep/d.txt", "C/c.txt"}) home.tree.File(file);
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);
  QVERIFY(form.State().AutoScan);
  for (const char* dir : {"A", "B", "C"}) QVERIFY(form.SetTreeDirectory(home.tree.Path(dir)));
  const std::vector<std::string> history = form.Addresses().Entries();
  QCOMPARE(history.at(0), home.tree.Path("C/"));
  QCOMPARE(history.at(2), home.tree.Path("A/"));

  AddressBar* bar = form.AddressField();
  const std::size_t log_start = form.Log().Lines().size();
  bar->PreviousAction()->trigger();
  QCOMPARE(form.TreeDirectory(), home.tree.Path("B"));
  // The one-level scan of the new directory: b.txt, not the deeper d.txt.
  QCOMPARE(form.Items().Count(), std::size_t{1});
  QVERIFY(form.Items().Line(0).find("b.txt") != std::string::npos);
  QCOMPARE(CountStarting(LogSince(form, log_start), "AutoScan=*.*"), 1);
  bar->PreviousAction()->trigger();
  QCOMPARE(form.TreeDirectory(), home.tree.Path("A"));
  bar->NextAction()->trigger();
  QCOMPARE(form.TreeDirectory(), home.tree.Path("B"));
  QCOMPARE(form.Addresses().Entries(), history);  // walking records nothing

  // Next from the head wraps round to the oldest entry.
  bar->NextAction()->trigger();
  bar->NextAction()->trigger();
  QCOMPARE(form.Addresses().Position(), history.size() - 1);
  QCOMPARE(form.TreeDirectory() + "/", history.back());

  // An entry whose directory is gone is refused and stays; the next real change is recorded.
  std::filesystem::remove_all(home.tree.Path("A"));
  QVERIFY(form.SetTreeDirectory(home.tree.Path("C")));  // C, C, B, A, ...
  bar->PreviousAction()->trigger();                     // C
  bar->PreviousAction()->trigger();                     // B
  bar->PreviousAction()->trigger();                     // A, gone
  QCOMPARE(Messages(prompter).back(), "Path not accessible: " + home.tree.Path("A/"));
  QCOMPARE(form.TreeDirectory(), home.tree.Path("B"));
  const std::size_t entries = form.Addresses().Entries().size();
  QVERIFY(form.SetTreeDirectory(home.tree.Path("C")));
  QCOMPARE(form.Addresses().Entries().size(), std::min<std::size_t>(entries + 1, 16));
  QCOMPARE(form.Addresses().Entries().front(), home.tree.Path("C/"));
}

void NavigationWindowTest::upRootAndGotoFromTheItemList() {
  TempHome home;
  home.tree.File("top/sub/item.txt");
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);
  QVERIFY(form.SetTreeDirectory(home.tree.Path("top/sub")));
  QCOMPARE(form.Items().Count(), std::size_t{1});

  form.AddressField()->UpAction()->trigger();
  QCOMPARE(form.TreeDirectory(), home.tree.Path("top"));
  form.AddressField()->RootAction()->trigger();
  // The mount point holding the directory, in the tree's form.
  QCOMPARE(form.TreeDirectory(),
           TreeForm(form.DirectoryTabs()->MountPointFor(home.tree.Root()), "/"));

  // "Goto..." takes a file's line to its folder and logs it; the list still holds the line
  // from the scan of "top/sub".
  QVERIFY(form.SetTreeDirectory(home.tree.Path("top/sub")));
  form.Items().SetCurrent(0);
  const std::size_t log_start = form.Log().Lines().size();
  form.NavigationCommands().goto_item->trigger();
  QCOMPARE(form.TreeDirectory(), home.tree.Path("top/sub"));
  QCOMPARE(CountStarting(LogSince(form, log_start), "Goto=" + home.tree.Path("top/sub/")), 1);
}

void NavigationWindowTest::startUpLoadReadsTheListFiles() {
  TempHome home;
  const std::string folder = home.tree.Path(".config/Krellix/");
  // Start-up marks: "?" disables, "-" leaves unchecked; LF and CR LF ends, no final line end.
  WriteFile(folder + "inclist.txt", "+/inc/one/\r\n?/inc/two/\n-/inc/three/");
  WriteFile(folder + "exclist.txt", "*/exc/old/\r\n");
  WriteFile(folder + "filelist.txt", "/files/a.txt\r\n/files/b\xff.txt\r\n");
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);

  QCOMPARE(Marked(form.IncludeList()),
           (std::vector<std::string>{"+/inc/one/", "*/inc/two/", "-/inc/three/"}));
  QCOMPARE(Marked(form.ExcludeList()), std::vector<std::string>{"*/exc/old/"});
  QCOMPARE(form.Files(), (FileList{"/files/a.txt", "/files/b\xff.txt"}));
  QCOMPARE(form.DirectoryTabs()->IncludeView()->count(), 3);
  QCOMPARE(form.ListTabs()->FileView()->count(), 2);
}

void NavigationWindowTest::listSaveAndLoadRoundTrip() {
  TempHome home;
  ScriptedPrompter prompter;
  test::FakeOutputDialogs dialogs;
  MainWindow form({kProgram, "-i"}, &prompter, &dialogs);
  form.IncludeList().entries = {
      {"/x/on/", true, true}, {"/x/off/", false, true}, {"/x/grey/", false, false}};
  const ListTabControls& controls = form.DirectoryTabs()->IncludeControls();

  const std::string file = home.tree.Path("saved.txt");
  prompter.picks = {file};
  const std::size_t log_start = form.Log().Lines().size();
  controls.save->click();
  QCOMPARE(ReadWholeFile(file), std::string("+/x/on/\r\n-/x/off/\r\n*/x/grey/\r\n"));
  QCOMPARE(LogSince(form, log_start),
           (std::vector<std::string>{"Include/ExcludeList_Items=3",
                                     "Include/ExcludeList_Saved=" + file}));
  QCOMPARE(form.StatusText().toStdString(), "Include/ExcludeList_Saved=" + file);

  // Onto the existing file, the "Saving file" prompt decides: Append adds, Cancel writes nothing.
  dialogs.answer = SaveMode::kAppend;
  prompter.picks = {file};
  controls.save->click();
  dialogs.answer = SaveMode::kCancel;
  prompter.picks = {file};
  controls.save->click();
  QCOMPARE(ReadWholeFile(file).size(),
           2 * std::string("+/x/on/\r\n-/x/off/\r\n*/x/grey/\r\n").size());

  controls.clear->click();
  QVERIFY(form.IncludeList().entries.empty());
  QCOMPARE(LogTexts(form.Log().Lines()).back(), std::string("Include_list_cleared=Yes"));
  prompter.picks = {file};
  controls.load->click();
  QCOMPARE(Marked(form.IncludeList()),
           (std::vector<std::string>{"+/x/on/", "-/x/off/", "*/x/grey/", "+/x/on/", "-/x/off/",
                                     "*/x/grey/"}));
  QCOMPARE(form.DirectoryTabs()->IncludeView()->count(), 6);

  // A cancelled picker says so and writes nothing.
  prompter.picks = {""};
  controls.save->click();
  QCOMPARE(form.StatusText(), QString("Save cancelled"));
  QVERIFY(prompter.messages.empty());
}

void NavigationWindowTest::listSaveIntoAMissingFolderFails() {
  TempHome home;
  ScriptedPrompter prompter;
  test::FakeOutputDialogs dialogs;
  MainWindow form({kProgram, "-i"}, &prompter, &dialogs);
  form.ExcludeList().entries = {{"/x/", true, true}};
  const std::size_t log_size = form.Log().Lines().size();

  const std::string file = home.tree.Path("missing/list.txt");
  const std::string why = " (No such file or directory)";
  prompter.picks = {file};
  form.DirectoryTabs()->ExcludeControls().save->click();
  QCOMPARE(Messages(prompter), std::vector<std::string>{"Cannot open(create): " + file + why});
  QCOMPARE(form.Log().Lines().size(), log_size);
  QCOMPARE(form.ExcludeList().entries.size(), std::size_t{1});

  // "Save list" makes the chosen file the file list's own, so the automatic save goes there.
  prompter.picks = {file};
  form.Command("files.save")->trigger();
  QCOMPARE(form.Paths().FileListName, file);
  form.Lists().AutoSaveFileList();
  QCOMPARE(Messages(prompter), (std::vector<std::string>{"Cannot open(create): " + file + why,
                                                         "Cannot open(create): " + file + why,
                                                         "Cannot open(autosave): " + file + why}));
  QVERIFY(!std::filesystem::exists(file));
}

void NavigationWindowTest::fileListCollectsGoesToAndEdits() {
  TempHome home;
  home.tree.File("docs/one.txt");
  home.tree.File("docs/two.txt");
  ScriptedPrompter prompter;
  test::FakeOutputDialogs dialogs;
  MainWindow form({kProgram, "-i"}, &prompter, &dialogs);

  form.Command("items.add_to_files")->trigger();
  QCOMPARE(form.StatusText(), QString("Add failed: no item selected"));
  QVERIFY(form.SetTreeDirectory(home.tree.Path("docs")));
  QCOMPARE(form.Items().Count(), std::size_t{2});
  form.Items().SetAllSelected(true);
  form.Command("items.add_to_files")->trigger();
  QCOMPARE(form.Files(),
           (FileList{home.tree.Path("docs/one.txt"), home.tree.Path("docs/two.txt")}));

  // "Goto..." from elsewhere: back to the folder, the entry's line selected.
  QVERIFY(form.SetTreeDirectory(home.tree.Root()));
  form.ListTabs()->FileView()->setCurrentRow(1);
  const std::size_t log_start = form.Log().Lines().size();
  form.Command("files.goto")->trigger();
  QCOMPARE(form.TreeDirectory(), home.tree.Path("docs"));
  QCOMPARE(CountStarting(LogSince(form, log_start), "Goto=" + home.tree.Path("docs/")), 1);
  QCOMPARE(form.Items().SelectedCount(), std::size_t{1});
  QVERIFY(form.Items().Line(1).find("two.txt") != std::string::npos);
  QVERIFY(form.Items().Selected(1));

  // Saved, the file holds the entries as lines, and the log has the unstamped "Writing to ".
  const std::string file = home.tree.Path("files.txt");
  prompter.picks = {file};
  form.Command("files.save")->trigger();
  QCOMPARE(ReadWholeFile(file),
           home.tree.Path("docs/one.txt") + "\r\n" + home.tree.Path("docs/two.txt") + "\r\n");
  const std::vector<std::string>& lines = form.Log().Lines();
  QCOMPARE(lines.at(lines.size() - 3), std::string("Writing to files.txt"));
  QCOMPARE(LogTexts(lines).back(), "Filelist_Saved=" + file);

  // Remove the selected entry, then load the saved file back: three entries.
  form.ListTabs()->FileView()->setCurrentRow(0);
  form.Command("files.remove")->trigger();
  prompter.picks = {file};
  form.Command("files.load")->trigger();
  QCOMPARE(form.Files().size(), std::size_t{3});
  QCOMPARE(LogTexts(form.Log().Lines()).back(), "Filelist_Loaded=" + file);
}

void NavigationWindowTest::editWindowReplacesTheFileListOnlyOnOk() {
  TempHome home;
  WriteFile(home.tree.Path(".config/Krellix/filelist.txt"), "/f/a\xff.txt\r\n/f/b.txt\r\n");
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);
  QAction* edit = form.Command("files.edit");
  auto on_edit_window = [](bool ok) {
    QTimer::singleShot(0, [ok] {
      auto* window = qobject_cast<EditListDialog*>(QApplication::activeModalWidget());
      QVERIFY(window != nullptr);
      window->Editor()->appendPlainText("/f/c.txt");
      ok ? window->accept() : window->reject();
    });
  };

  on_edit_window(false);
  edit->trigger();
  QCOMPARE(form.Files().size(), std::size_t{2});
  // The line that is not UTF-8 comes back with its own bytes.
  on_edit_window(true);
  edit->trigger();
  QCOMPARE(form.Files(), (FileList{"/f/a\xff.txt", "/f/b.txt", "/f/c.txt"}));
  QCOMPARE(form.ListTabs()->FileView()->count(), 3);
}

void NavigationWindowTest::clipboardTakesTheDriveAndAtMost255Characters() {
  TempHome home;
  const std::string deep = home.tree.Dir(std::string(200, 'd') + "/" + std::string(100, 'e'));
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);
  QVERIFY(form.SetTreeDirectory(deep));
  form.NavigationCommands().dir_to_clipboard->trigger();
  QCOMPARE(QApplication::clipboard()->text(), QString::fromStdString(deep).left(255));
  QCOMPARE(form.StatusText().toStdString(), form.TreeDirectory());
  form.NavigationCommands().copy_drive->trigger();
  QCOMPARE(QApplication::clipboard()->text(), form.DirectoryTabs()->DriveBox()->currentText());
}

void NavigationWindowTest::bookmarksAddExistAndJump() {
  TempHome home;
  home.tree.Dir("Data");
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);
  const std::string data = home.tree.Path("Data/");

  QVERIFY(form.SetTreeDirectory(home.tree.Path("Data")));
  form.Command("bookmarks.add_current")->trigger();
  QCOMPARE(form.StatusText().toStdString(), "Bookmark=" + data);
  QCOMPARE(LogTexts(form.Log().Lines()).back(), "Bookmark=" + data);
  const std::size_t log_size = form.Log().Lines().size();
  form.BookmarkDirectory(data);
  QCOMPARE(form.StatusText().toStdString(), "Bookmark exists for: " + data);
  QCOMPARE(form.Log().Lines().size(), log_size);
  QCOMPARE(form.BookmarkList().Entries(), std::vector<std::string>{data});

  form.Items().Clear();
  form.Command("items.bookmark_directory")->trigger();
  QCOMPARE(form.StatusText(), QString("No item selected for Bookmark"));

  QMenu* menu = form.Actions().bookmarks_menu;
  QCOMPARE(MenuTexts(menu), (QStringList{"Bookmark current directory", "Manage bookmarks", "",
                                         QString::fromStdString(data)}));
  QVERIFY(form.SetTreeDirectory(home.tree.Root()));
  menu->actions().back()->trigger();
  QCOMPARE(form.TreeDirectory(), home.tree.Path("Data"));
  QCOMPARE(form.Addresses().Entries().front(), data);
}

void NavigationWindowTest::bookmarksWindowAppliesOnlyOnOk() {
  TempHome home;
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);
  form.SetBookmarks({"/b/", "/a/"});
  QAction* manage = form.Command("bookmarks.manage");

  // Cancel drops every edit.
  OnBookmarksWindow([](BookmarksDialog* window) {
    Click(window, "clearAll");
    QVERIFY(window->Entries().empty());
    Click(window, "cancel");
  });
  manage->trigger();
  QCOMPARE(form.BookmarkList().Entries(), (std::vector<std::string>{"/b/", "/a/"}));

  // OK keeps them: the current directory added at the head, "/a/" moved up, "/c" replacing
  // "/b/" gets its delimiter.
  const std::string current = form.TreeDirectory();
  OnBookmarksWindow([current](BookmarksDialog* window) {
    QCOMPARE(window->FieldText(), current);
    Click(window, "add");
    window->findChild<QListWidget*>("bookmarkList")->setCurrentRow(2);
    Click(window, "up");
    QCOMPARE(window->Selected(), 1);
    window->findChild<QListWidget*>("bookmarkList")->setCurrentRow(2);
    window->findChild<QLineEdit*>("currentDirectory")->setText("/c");
    Click(window, "replace");
    Click(window, "ok");
  });
  manage->trigger();
  QCOMPARE(form.BookmarkList().Entries(), (std::vector<std::string>{current + "/", "/a/", "/c/"}));
  QCOMPARE(form.Actions().bookmarks_menu->actions().size(), 3 + 3);
}

QTEST_MAIN(NavigationWindowTest)
#include "navigation_window_qtest.moc"
