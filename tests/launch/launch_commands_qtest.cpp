// "Open", "Open with..." and "Play" in the running window: the desktop handler and the chosen
// program get the current item's exact name, and Play reports files it cannot play.
#include <QAction>
#include <QDesktopServices>
#include <QLabel>
#include <QMenu>
#include <QUrl>
#include <QtTest>
#include <filesystem>

#include "app/list_panel.h"
#include "app/main_window.h"
#include "itemlist/item_list_view.h"
#include "navigation/directory_panel.h"
#include "platform/scripted_prompter.h"
#include "preview/preview_pane.h"
#include "support/argv_recorder.h"
#include "support/window_fixture.h"

using namespace krellix;
using krellix::test::TempHome;

namespace {

const char* kProgram = "/opt/krellix/krellix";

// Receives the URLs QDesktopServices is asked to open.
class UrlCatcher : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> urls;

 public slots:
  void Open(const QUrl& url) { urls.append(url); }
};

// A window started in a temporary home, listing the files of its "items/" folder.
struct Rig {
  TempHome home;
  ScriptedPrompter prompter;
  std::unique_ptr<MainWindow> form;

  std::string Items() const { return home.tree.Path("items/"); }
  void Start() {
    form = std::make_unique<MainWindow>(std::vector<std::string>{kProgram, "-i"}, &prompter);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    QVERIFY(form->SetTreeDirectory(Items()));
    form->Actions().scan->trigger();
  }
  // Selects the lines of the named files only; the last of them becomes the current line.
  void Select(std::initializer_list<std::string> names) {
    ItemList& items = form->Items();
    items.SetCurrent(-1);
    for (std::size_t i = 0; i < items.Count(); ++i) {
      bool wanted = false;
      for (const std::string& n : names)
        wanted = wanted || (items.IsItem(i) && items.Fields(i).File == n);
      items.SetSelected(i, wanted);
      if (wanted) items.SetCurrent(static_cast<std::int64_t>(i));
    }
    form->ListTabs()->ItemView()->RefreshSelection();
  }
  std::vector<std::string> Log() const { return test::LogTexts(form->Log().Lines()); }
  QString PaneCaption() const {
    return qobject_cast<PreviewPane*>(form->DirectoryTabs()->PreviewPane())->Caption();
  }
};

}  // namespace

class LaunchCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void openGoesToTheDesktopHandler();
  void openWithStartsTheProgramWithTheNameAsOneArgument();
  void openWithWithoutACurrentItemOnlyMovesTheFolder();
  void openWithReportsAProgramThatCannotStart();
  void playReportsWhatCannotBePlayed();
  void commandsFollowTheSelectionInTheMenu();
};

void LaunchCommandsTest::openGoesToTheDesktopHandler() {
  Rig rig;
  const std::string name = "report \xe9t\xe9; 'x'.txt";  // Latin-1 bytes, not UTF-8
  rig.home.tree.File("items/" + name, 3);
  rig.Start();
  rig.Select({name});
  UrlCatcher catcher;
  QDesktopServices::setUrlHandler("file", &catcher, "Open");

  rig.form->Command("items.open")->trigger();
  // A double click goes the same way.
  ItemListView* view = rig.form->ListTabs()->ItemView();
  const QPoint at = view->visualRect(view->model()->index(0, 0)).center();
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
  QDesktopServices::unsetUrlHandler("file");

  QCOMPARE(catcher.urls.size(), 2);
  for (const QUrl& url : catcher.urls) {
    QCOMPARE(url.scheme(), QString("file"));
    QCOMPARE(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()),
             QByteArray::fromStdString(rig.Items() + name));
  }
  QCOMPARE(test::CountStarting(rig.Log(), "Open_File=" + rig.Items() + name), 2);
}

void LaunchCommandsTest::openWithStartsTheProgramWithTheNameAsOneArgument() {
  Rig rig;
  const std::string name = "a b; touch planted \"q\" $(id).txt";
  rig.home.tree.File("items/" + name, 3);
  rig.home.tree.File("items/other.txt", 3);
  const std::string out = rig.home.tree.Path("args");
  const std::string script = test::ArgvRecorder(rig.home.tree, out);
  rig.Start();
  QCOMPARE(rig.form->Paths().OpenWithDir, std::string("/usr/bin/"));
  rig.Select({name});
  rig.prompter.picks = {script};

  rig.form->Command("items.open_with")->trigger();

  QCOMPARE(test::RecordedArgs(out), std::vector<std::string>{rig.Items() + name});
  QCOMPARE(rig.form->Paths().OpenWithDir, rig.home.tree.Root());
  QCOMPARE(rig.Log().back(), "Open_File=\"" + rig.Items() + name + "\" Program=" + script);
  QVERIFY(!std::filesystem::exists(rig.home.tree.Path("planted")));
  QVERIFY(!std::filesystem::exists(rig.Items() + "planted"));
  QVERIFY(rig.prompter.messages.empty());
}

void LaunchCommandsTest::openWithWithoutACurrentItemOnlyMovesTheFolder() {
  Rig rig;
  rig.home.tree.File("items/a.txt", 3);
  const std::string out = rig.home.tree.Path("tools/args");
  rig.home.tree.Dir("tools");
  const std::string script = test::ArgvRecorder(rig.home.tree, out);
  const std::string moved = rig.home.tree.Path("tools/rec");
  std::filesystem::rename(script, moved);
  rig.Start();
  rig.Select({});
  const std::size_t lines = rig.form->Log().Lines().size();

  rig.prompter.picks = {""};  // cancelled: nothing changes
  rig.form->Command("items.open_with")->trigger();
  QCOMPARE(rig.form->Paths().OpenWithDir, std::string("/usr/bin/"));
  rig.prompter.picks = {moved};
  rig.form->Command("items.open_with")->trigger();

  QCOMPARE(rig.form->Paths().OpenWithDir, rig.home.tree.Path("tools/"));
  QCOMPARE(rig.form->Log().Lines().size(), lines);
  QVERIFY(rig.prompter.picks.empty());
}

void LaunchCommandsTest::openWithReportsAProgramThatCannotStart() {
  Rig rig;
  rig.home.tree.File("items/a.txt", 3);
  const std::string plain = rig.home.tree.File("readme", 3);
  rig.Start();
  rig.Select({"a.txt"});
  rig.prompter.picks = {plain};

  rig.form->Command("items.open_with")->trigger();

  QCOMPARE(rig.prompter.messages.size(), std::size_t{1});
  QCOMPARE(rig.prompter.messages[0].text, "Cannot start: " + plain + " (Permission denied)");
  QCOMPARE(rig.Log().back(), "Open_Failed=" + plain);
}

void LaunchCommandsTest::playReportsWhatCannotBePlayed() {
  Rig rig;
  rig.home.tree.File("items/gone.mp3", 3);
  const std::string garbage = rig.home.tree.File("items/noise.ogg");
  std::ofstream(garbage, std::ios::binary) << "this is not a sound file, only text\n";
  rig.home.tree.File("items/notes.txt", 3);
  rig.Start();
  // With the pane open it shows the current item again after the run: the failure stays in
  // sight.
  rig.form->Settings().ShowPreview = true;
  std::filesystem::remove(rig.Items() + "gone.mp3");

  rig.Select({"gone.mp3"});
  rig.form->Command("items.play")->trigger();
  QCOMPARE(rig.PaneCaption(), QString("Load failed."));
  QCOMPARE(rig.Log().back(), std::string("Play_count=1 Total=1"));

  rig.Select({"noise.ogg", "notes.txt"});
  rig.form->Items().SetCurrent(1);  // noise.ogg
  rig.form->Command("items.play")->trigger();
  QCOMPARE(rig.PaneCaption(), QString("Play failed."));
  QCOMPARE(rig.Log().back(), std::string("Play_count=1 Total=2"));
  // The text file stays selected, the tried one does not; the pane stays as it was.
  QCOMPARE(rig.form->Items().SelectedCount(), std::size_t{1});
  QVERIFY(rig.form->Settings().ShowPreview);

  // With the pane closed, a run opens it and collapses it again.
  rig.form->Settings().ShowPreview = false;
  rig.Select({"noise.ogg"});
  rig.form->Command("items.play")->trigger();
  QVERIFY(!rig.form->Settings().ShowPreview);
  QCOMPARE(rig.form->DirectoryTabs()->PreviewHeight(), 25);

  rig.form->Items().SetAllSelected(false);
  rig.form->Command("items.play")->trigger();
  QCOMPARE(rig.prompter.messages.back().text, std::string("No items selected to play"));
  QCOMPARE(rig.Log().back(), std::string("Play_count=0 Total=0"));
}

void LaunchCommandsTest::commandsFollowTheSelectionInTheMenu() {
  Rig rig;
  rig.home.tree.File("items/a.mp3", 3);
  rig.home.tree.File("items/b.mp3", 3);
  rig.Start();
  QMenu* menu = rig.form->ListTabs()->ItemMenu();
  const struct {
    std::initializer_list<std::string> selected;
    bool open, play;
  } kCases[] = {{{}, false, false}, {{"a.mp3"}, true, true}, {{"a.mp3", "b.mp3"}, false, true}};
  for (const auto& c : kCases) {
    rig.Select(c.selected);
    emit menu->aboutToShow();
    QCOMPARE(rig.form->Command("items.open")->isEnabled(), c.open);
    QCOMPARE(rig.form->Command("items.open_with")->isEnabled(), c.open);
    QCOMPARE(rig.form->Command("items.play")->isEnabled(), c.play);
    emit menu->aboutToHide();
  }
}

QTEST_MAIN(LaunchCommandsTest)
#include "launch_commands_qtest.moc"
