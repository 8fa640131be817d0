#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <fstream>

#include "fileops/create_directory_dialog.h"
#include "fileops/join_split_dialog.h"
#include "output/output_dialogs.h"
#include "platform/scripted_prompter.h"
#include "support/temp_tree.h"

using namespace krellix;
using krellix::test::TempTree;

namespace {

struct Rig final : SavingFileQuestion {
  ScriptedPrompter prompter;
  std::int64_t clock = 0;
  JoinSplitDialog dialog{{prompter, [this]() -> SavingFileQuestion& { return *this; },
                          [this] { return clock += 1000; }}};
  SaveMode AskSavingFile(const std::string&) override { return SaveMode::kReplace; }
};

std::string Write(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

std::vector<std::string> Texts(const QListWidget* list) {
  std::vector<std::string> texts;
  for (int i = 0; i < list->count(); ++i) texts.push_back(list->item(i)->text().toStdString());
  return texts;
}

}  // namespace

class JoinSplitDialogTest : public QObject {
  Q_OBJECT

 private slots:
  // Up and Down change the join order; the join follows it; the dialog then offers only OK.
  void JoinInTheOrderShown() {
    TempTree t;
    Rig rig;
    const std::string a = Write(t.Path("a.txt"), "A");
    const std::string b = Write(t.Path("b.txt"), "BB");
    const std::string c = Write(t.Path("c.txt"), "CCC");
    rig.dialog.PrepareJoin({a, b, c});
    rig.dialog.show();
    QCOMPARE(rig.dialog.windowTitle(), QString("Join"));
    QCOMPARE(rig.dialog.RunButton()->text(), QString("Join"));
    QCOMPARE(rig.dialog.FileName(), t.Path("a.joined.txt"));
    QVERIFY(!rig.dialog.MaxSizeField()->isEnabled());

    rig.dialog.MoveEntry(-1);  // nothing highlighted: nothing moves
    rig.dialog.List()->setCurrentRow(2);
    rig.dialog.MoveEntry(-1);
    rig.dialog.MoveEntry(-1);
    rig.dialog.MoveEntry(-1);  // at the top already
    QCOMPARE(rig.dialog.List()->currentRow(), 0);
    QCOMPARE(rig.dialog.Files(), (std::vector<std::string>{c, a, b}));

    rig.dialog.RunButton()->click();
    QCOMPARE(test::ReadWholeFile(t.Path("a.joined.txt")), std::string("CCCABB"));
    QCOMPARE(rig.dialog.Counters(), (std::vector<QString>{"3", "6", "6", "1"}));
    QVERIFY(!rig.dialog.RunButton()->isEnabled());
    QCOMPARE(rig.dialog.CancelButton()->text(), QString("OK"));
    QVERIFY(rig.dialog.CancelledLabel()->isHidden());
    rig.dialog.CancelButton()->click();
    QVERIFY(!rig.dialog.isVisible());
  }

  // A split lists its pieces; a refused run leaves the dialog ready for another try.
  void SplitListsThePieces() {
    TempTree t;
    Rig rig;
    const std::string source = Write(t.Path("dump.bin"), std::string(2500, 'x'));
    rig.dialog.PrepareSplit(source);
    rig.dialog.show();
    QCOMPARE(rig.dialog.windowTitle(), QString("Split"));
    QVERIFY(rig.dialog.Counters()[0].isEmpty());
    rig.dialog.RunButton()->click();  // no maximum yet
    QCOMPARE(rig.prompter.messages.size(), std::size_t{1});
    QVERIFY(rig.dialog.RunButton()->isEnabled());
    QCOMPARE(rig.dialog.CancelButton()->text(), QString("Cancel"));

    rig.dialog.MaxSizeField()->setText("1");
    rig.dialog.RunButton()->click();
    QCOMPARE(Texts(rig.dialog.List()),
             (std::vector<std::string>{t.Path("dump.000001.bin"), t.Path("dump.000002.bin"),
                                       t.Path("dump.000003.bin")}));
    QCOMPARE(rig.dialog.Counters(), (std::vector<QString>{"1", "2500", "2500", "3"}));
    QVERIFY(!rig.dialog.RunButton()->isEnabled());
  }

  // Cancel (and Esc) stay open, show "Cancelled" and turn into OK; the next opening resets.
  void CancelThenOk() {
    TempTree t;
    Rig rig;
    rig.dialog.PrepareSplit(Write(t.Path("s"), "abc"));
    rig.dialog.show();
    QTest::keyClick(&rig.dialog, Qt::Key_Escape);
    QVERIFY(rig.dialog.isVisible());
    QVERIFY(!rig.dialog.CancelledLabel()->isHidden());
    QCOMPARE(rig.dialog.CancelButton()->text(), QString("OK"));
    QVERIFY(rig.dialog.CancelRequested());
    rig.dialog.CancelButton()->click();
    QVERIFY(!rig.dialog.isVisible());
    rig.dialog.PrepareJoin({t.Path("s"), t.Path("s")});
    QVERIFY(rig.dialog.CancelledLabel()->isHidden());
    QVERIFY(!rig.dialog.CancelRequested());
    QCOMPARE(rig.dialog.CancelButton()->text(), QString("Cancel"));
  }

  // OK trims a leading delimiter and adds a trailing one; the picker fills "Current: ".
  void CreateDirectoryFields() {
    ScriptedPrompter prompter;
    CreateDirectoryDialog dialog(prompter);
    CreateDirectoryValues v;
    v.base = "/tmp/";
    v.prefix = "Week";
    dialog.Load(v);
    dialog.show();
    QSignalSpy help(&dialog, &CreateDirectoryDialog::helpRequested);
    dialog.findChild<QPushButton*>("help")->click();
    QCOMPARE(help.count(), 1);
    QCOMPARE(help.at(0).at(0).toInt(), 2150);
    prompter.picks = {"/srv/base"};
    dialog.PickBase();
    QCOMPARE(dialog.Base()->text(), QString("/srv/base"));
    QTest::keyClicks(dialog.Count(), "1x2");
    QCOMPARE(dialog.Count()->text(), QString("112"));
    dialog.Directory()->setText("/new");
    dialog.OkClick();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const CreateDirectoryValues out = dialog.Values();
    QCOMPARE(out.directory, std::string("new/"));
    QCOMPARE(out.base, std::string("/srv/base"));
    QCOMPARE(out.prefix, std::string("Week"));
    QCOMPARE(out.count, std::string("112"));
  }
};

QTEST_MAIN(JoinSplitDialogTest)
#include "join_split_dialog_qtest.moc"
