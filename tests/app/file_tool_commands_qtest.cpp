// Split / Join, Create directory and Rename directory in the running window.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <functional>

#include "app/list_panel.h"
#include "app/main_window.h"
#include "fileops/create_directory_dialog.h"
#include "fileops/join_split_dialog.h"
#include "itemlist/item_list_view.h"
#include "platform/scripted_prompter.h"
#include "support/scanned_window.h"
#include "support/temp_tree.h"

using namespace krellix;
namespace fs = std::filesystem;

namespace {

using Rig = test::ScannedWindow;

std::string Write(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

}  // namespace

class FileToolCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  // Three selected files are joined in list order; one selected file is split.
  void JoinThreeAndSplitOne() {
    test::TempTree t;
    Write(t.Path("a.bin"), "first-");
    Write(t.Path("b.bin"), "second-");
    Write(t.Path("c.bin"), "third");
    Rig rig;
    rig.Start(t.Root());
    rig.Select({"a.bin", "b.bin", "c.bin"});
    rig.When<JoinSplitDialog>([](JoinSplitDialog* d) {
      d->RunButton()->click();
      d->CancelButton()->click();
    });
    rig.form->Command("items.split_join")->trigger();
    QCOMPARE(test::ReadWholeFile(t.Path("a.joined.bin")), std::string("first-second-third"));

    rig.Select({"b.bin"});
    rig.When<JoinSplitDialog>([](JoinSplitDialog* d) {
      d->MaxSizeField()->setText("1");
      d->RunButton()->click();
      d->CancelButton()->click();
    });
    rig.form->Command("items.split_join")->trigger();
    QCOMPARE(test::ReadWholeFile(t.Path("b.000001.bin")), std::string("second-"));
    QVERIFY(!fs::exists(t.Path("b.000002.bin")));

    rig.Select({});
    rig.form->Command("items.split_join")->trigger();
    QCOMPARE(rig.prompter.messages.back().text,
             std::string("No file(s) selected for Join / Split"));
  }

  // A numbered series below a new directory, then a rename of it; the tree follows.
  void CreateSeriesAndRename() {
    test::TempTree t;
    Rig rig;
    rig.Start(t.Root());
    rig.When<CreateDirectoryDialog>([](CreateDirectoryDialog* d) {
      d->Directory()->setText("2014");
      d->Series()->setChecked(true);
      d->Prefix()->setText("Week");
      d->Count()->setText("3");
      d->ZeroFill()->setText("2");
      d->OkClick();
    });
    rig.form->Command("tree.create_directory")->trigger();
    for (const char* week : {"Week01", "Week02", "Week03"}) {
      QVERIFY(fs::is_directory(t.Path("2014/") + week));
    }
    QVERIFY(fs::equivalent(rig.form->TreeDirectory(), t.Path("2014")));
    QVERIFY(rig.Logged("Create_directory=" + t.Path("2014/Week03")));

    rig.prompter.answers = {Answer::kYes};
    QTimer::singleShot(0, [] {
      auto* prompt = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
      QVERIFY(prompt != nullptr);
      QCOMPARE(prompt->textValue(), QString("2014"));
      prompt->setTextValue("Year2014");
      prompt->accept();
    });
    rig.form->Command("tree.rename_directory")->trigger();
    QVERIFY(fs::is_directory(t.Path("Year2014/Week02")));
    QVERIFY(!fs::exists(t.Path("2014")));
    QVERIFY(fs::equivalent(rig.form->TreeDirectory(), t.Root()));
    QVERIFY(rig.Logged("Rename_directory=" + t.Path("2014") + " Into=" + t.Path("Year2014")));
  }
};

QTEST_MAIN(FileToolCommandsTest)
#include "file_tool_commands_qtest.moc"
