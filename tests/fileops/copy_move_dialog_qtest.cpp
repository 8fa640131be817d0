#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSplitter>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

#include "fileops/copy_move_dialog.h"
#include "navigation/directory_tree_model.h"
#include "platform/file_system.h"
#include "platform/scripted_prompter.h"
#include "platform/volume_labels.h"
#include "support/find_control.h"
#include "support/temp_tree.h"

using namespace krellix;
using krellix::test::TempTree;

namespace {

// The dialog with everything it shares with the main window.
struct Rig {
  ScriptedPrompter prompter;
  VolumeLabels volumes;
  WindowPlace place;
  int splitter = 235;
  bool save_place = false;
  int address_size = 17;
  CopyMoveDialog dialog{{prompter, volumes, place, splitter, save_place, address_size}};

  template <typename T>
  T* Find(const char* name) {
    return test::FindControl<T>(dialog, name);
  }
  QCheckBox* Box(const char* name) { return Find<QCheckBox>(name); }
  QLineEdit* Field(const char* name) { return Find<QLineEdit>(name); }
  void Open(const std::string& title = "Copy", const std::string& name = "a.txt",
            const std::vector<std::string>& bookmarks = {}, const std::string& tree_dir = "/") {
    CopyMoveValues values;
    values.title = title;
    values.rules.old_text = values.rules.new_text = name;
    dialog.Prepare(values, bookmarks, tree_dir);
    dialog.show();
  }
  void SetAddress(const std::string& text) {
    Find<QComboBox>("address")->setEditText(QString::fromStdString(text));
  }
  void Ok() { Find<QPushButton>("ok")->click(); }
  bool Accepted() const { return !dialog.isVisible() && dialog.result() == QDialog::Accepted; }
  // The directory the tree marks as current.
  std::string TreeDirectory() {
    auto* tree = Find<QTreeView>("directoryTree");
    return static_cast<DirectoryTreeModel*>(tree->model())->PathOf(tree->currentIndex());
  }
};

}  // namespace

class CopyMoveDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { cwd_ = CurrentDirectory(); }
  void cleanup() { SetCurrentDirectory(cwd_); }

  void captionsFollowTheTitle_data();
  void captionsFollowTheTitle();
  void helpAsksForItsTopic();
  void replaceAndSkipExcludeEachOtherAndRenameEnablesItsControls();
  void openingResetsSomeValuesAndKeepsOthers();
  void banner_data();
  void banner();
  void okAppendsTheDelimiterAndKeepsFewerThanAddressSize();
  void missingDirectoryIsOfferedForCreation_data();
  void missingDirectoryIsOfferedForCreation();
  void emptyAddressIsRefused();
  void treeAndBookmarksFillTheAddress();
  void savedPlaceIsUsedAndWrittenBack();
  void runHandsBackTheValuesOnlyOnOk();

 private:
  std::string cwd_;
};

void CopyMoveDialogTest::captionsFollowTheTitle_data() {
  QTest::addColumn<QString>("title");
  QTest::newRow("Copy") << "Copy";
  QTest::newRow("Move") << "Move";
}

void CopyMoveDialogTest::captionsFollowTheTitle() {
  QFETCH(QString, title);
  Rig rig;
  rig.Open(title.toStdString());
  QCOMPARE(rig.dialog.windowTitle(), title);
  QCOMPARE(rig.Box("fullPath")->text(), title + " full path");
  QCOMPARE(rig.Box("rename")->text(), "Rename during " + title);
  QCOMPARE(rig.Box("rename")->toolTip(), QString("Rename during copy/move "));
  QCOMPARE(rig.Box("replace")->text(), QString("Replace existing files "));
  QCOMPARE(rig.Box("skip")->text(), QString("Skip existing files"));
  QCOMPARE(rig.Box("separatorOn")->text(), QString("Separator "));
  QCOMPARE(rig.Box("separatorOn")->toolTip(),
           QString("Add separator text between numbers and filename"));
  QCOMPARE(rig.Find<QRadioButton>("numberSkip")->toolTip(), QString("Do not add number"));
  QCOMPARE(rig.Find<QRadioButton>("numberPrefix")->toolTip(),
           QString("Insert number before filename"));
  QCOMPARE(rig.Find<QRadioButton>("numberSuffix")->toolTip(),
           QString("Append number after filename"));
  QCOMPARE(rig.Find<QComboBox>("bookmarks")->currentText(),
           QString("[-- Select from Bookmarks --]"));
  QCOMPARE(rig.Find<QLabel>("banner")->text(), QString("Invalid characters found, re-enter"));
  QVERIFY(rig.Find<QLabel>("banner")->isHidden());
  QCOMPARE(rig.Field("old")->text(), QString("a.txt"));
  QCOMPARE(rig.Field("new")->text(), QString("a.txt"));
  // The number fields take digits only, six at most ("Zero fill:" two).
  rig.Box("rename")->click();
  QTest::keyClicks(rig.Field("start"), "x12345678");
  QCOMPARE(rig.Field("start")->text(), QString("112345"));
  QTest::keyClicks(rig.Field("zeroFill"), "95");
  QCOMPARE(rig.Field("zeroFill")->text(), QString("39"));
}

void CopyMoveDialogTest::helpAsksForItsTopic() {
  Rig rig;
  rig.Open();
  QSignalSpy help(&rig.dialog, &CopyMoveDialog::helpRequested);
  rig.Find<QPushButton>("help")->click();
  QCOMPARE(help.count(), 1);
  QCOMPARE(help.front().front().toInt(), 2080);
  QVERIFY(rig.dialog.isVisible());
}

void CopyMoveDialogTest::replaceAndSkipExcludeEachOtherAndRenameEnablesItsControls() {
  Rig rig;
  rig.Open();
  QCheckBox* replace = rig.Box("replace");
  QCheckBox* skip = rig.Box("skip");
  replace->click();
  QVERIFY(replace->isChecked() && !skip->isChecked());
  skip->click();
  QVERIFY(!replace->isChecked() && skip->isChecked());
  replace->click();
  QVERIFY(replace->isChecked() && !skip->isChecked());

  QWidget* controls = rig.Find<QWidget>("renameControls");
  QVERIFY(!controls->isEnabled());
  QVERIFY(!rig.Field("prefix")->isEnabled());
  rig.Box("rename")->click();
  QVERIFY(rig.Field("prefix")->isEnabled());
  QVERIFY(rig.Box("separatorOn")->isEnabled());
  rig.Box("rename")->click();
  QVERIFY(!rig.Field("start")->isEnabled());
}

void CopyMoveDialogTest::openingResetsSomeValuesAndKeepsOthers() {
  TempTree tree;
  const std::string home = tree.Dir("home");
  const std::string dest = tree.Dir("dest");
  const std::string other = tree.Dir("other");
  QVERIFY(SetCurrentDirectory(home));
  Rig rig;
  // The first opening shows the main window's tree directory, wherever the tree opens.
  rig.Open("Copy", "a.txt", {}, "/from/main/tree/");
  QCOMPARE(rig.dialog.Address(), std::string("/from/main/tree/"));
  QCOMPARE(rig.TreeDirectory(), home);

  for (const char* box : {"fullPath", "replace", "rename", "separatorOn"}) rig.Box(box)->click();
  rig.Find<QRadioButton>("numberPrefix")->click();
  for (auto [name, text] : {std::pair{"prefix", "p_"},
                            {"suffix", "_s"},
                            {"start", "7"},
                            {"step", "2"},
                            {"zeroFill", "4"},
                            {"separator", "-"}}) {
    rig.Field(name)->setText(text);
  }
  rig.SetAddress(dest);
  rig.Ok();
  QVERIFY(rig.Accepted());

  // The tree opens at the same directory again: the address stays.
  rig.Open("Move", "b.txt");
  for (const char* box : {"fullPath", "replace", "skip", "rename", "separatorOn"}) {
    QVERIFY2(!rig.Box(box)->isChecked(), box);
  }
  QVERIFY(rig.Find<QRadioButton>("numberSkip")->isChecked());
  QVERIFY(!rig.Find<QWidget>("renameControls")->isEnabled());
  QCOMPARE(rig.Field("prefix")->text(), QString());
  QCOMPARE(rig.Field("suffix")->text(), QString());
  QCOMPARE(rig.Field("start")->text(), QString("7"));
  QCOMPARE(rig.Field("step")->text(), QString("2"));
  QCOMPARE(rig.Field("zeroFill")->text(), QString("4"));
  QCOMPARE(rig.Field("separator")->text(), QString("-"));
  QCOMPARE(rig.Field("old")->text(), QString("b.txt"));
  QCOMPARE(rig.dialog.Address(), dest + "/");
  rig.dialog.reject();

  // The process has gone elsewhere since: the tree opens there and the address follows.
  QVERIFY(SetCurrentDirectory(other));
  rig.Open();
  QCOMPARE(rig.TreeDirectory(), other);
  QCOMPARE(rig.dialog.Address(), other + "/");
  QCOMPARE(rig.dialog.Destinations(), std::vector<std::string>{dest + "/"});
}

void CopyMoveDialogTest::banner_data() {
  QTest::addColumn<bool>("rename");
  QTest::addColumn<QString>("old_text");
  QTest::addColumn<QString>("new_text");
  QTest::addColumn<QString>("prefix");
  QTest::addColumn<QString>("suffix");
  QTest::addColumn<bool>("refused");
  QTest::newRow("star in Prefix:") << true << "a.txt"
                                   << "a.txt"
                                   << "x*"
                                   << "" << true;
  QTest::newRow("question mark in Suffix:") << true << "a.txt"
                                            << "a.txt"
                                            << ""
                                            << "?" << true;
  QTest::newRow("colon in New:") << true << "a"
                                 << "b:c"
                                 << ""
                                 << "" << true;
  QTest::newRow("backslash in Old:") << true << "a\\b"
                                     << "c"
                                     << ""
                                     << "" << true;
  QTest::newRow("control character in Prefix:") << true << "a"
                                                << "a"
                                                << "\t"
                                                << "" << true;
  QTest::newRow("clean texts") << true << "a"
                               << "b"
                               << "p"
                               << "s" << false;
  QTest::newRow("own name with a colon, kept") << true << "a:b.txt"
                                               << "a:b.txt"
                                               << ""
                                               << "" << false;
  QTest::newRow("rename off") << false << "a"
                              << "b|c"
                              << ""
                              << "" << false;
}

void CopyMoveDialogTest::banner() {
  QFETCH(bool, rename);
  QFETCH(QString, old_text);
  QFETCH(QString, new_text);
  QFETCH(QString, prefix);
  QFETCH(QString, suffix);
  QFETCH(bool, refused);
  TempTree tree;
  Rig rig;
  rig.Open();
  if (rename) rig.Box("rename")->click();
  rig.Field("old")->setText(old_text);
  rig.Field("new")->setText(new_text);
  rig.Field("prefix")->setText(prefix);
  rig.Field("suffix")->setText(suffix);
  rig.SetAddress(tree.Root());
  rig.Ok();
  QCOMPARE(rig.Find<QLabel>("banner")->isVisible(), refused);
  QCOMPARE(rig.dialog.isVisible(), refused);
  QCOMPARE(rig.dialog.Destinations().size(), std::size_t{refused ? 0u : 1u});
  if (!refused) return;
  // Mended, OK goes through and the banner goes.
  for (const char* name : {"old", "new", "prefix", "suffix"}) rig.Field(name)->setText("ok");
  rig.Ok();
  QVERIFY(rig.Accepted());
  QVERIFY(rig.Find<QLabel>("banner")->isHidden());
}

void CopyMoveDialogTest::okAppendsTheDelimiterAndKeepsFewerThanAddressSize() {
  TempTree tree;
  Rig rig;
  rig.address_size = 3;
  std::vector<std::string> dirs;
  for (const char* name : {"d1", "d2", "d3", "d4"}) dirs.push_back(tree.Dir(name));
  const std::vector<std::vector<std::string>> expected = {
      {"d1/"}, {"d1/", "d2/"}, {"d1/", "d2/", "d3/"}, {"d2/", "d3/", "d4/"}, {"d3/", "d4/", "d4/"}};
  dirs.push_back(dirs.back());
  for (std::size_t i = 0; i < dirs.size(); ++i) {
    rig.Open();
    rig.SetAddress(dirs[i]);
    rig.Ok();
    QVERIFY(rig.Accepted());
    QCOMPARE(rig.dialog.Address(), dirs[i] + "/");
    std::vector<std::string> want;
    for (const std::string& name : expected[i]) want.push_back(tree.Path(name));
    QCOMPARE(rig.dialog.Destinations(), want);
    auto* box = rig.Find<QComboBox>("address");
    QCOMPARE(box->count(), static_cast<int>(want.size()));
    QCOMPARE(box->itemText(box->count() - 1), QString::fromStdString(dirs[i] + "/"));
    QCOMPARE(box->currentText(), QString::fromStdString(dirs[i] + "/"));
  }
  QVERIFY(rig.prompter.questions.empty());
}

void CopyMoveDialogTest::missingDirectoryIsOfferedForCreation_data() {
  QTest::addColumn<QString>("relative");
  QTest::addColumn<int>("answer");
  QTest::addColumn<bool>("created");
  QTest::addColumn<bool>("reported");
  QTest::newRow("Yes makes it") << "new" << int(Answer::kYes) << true << false;
  QTest::newRow("No leaves it") << "new" << int(Answer::kNo) << false << false;
  QTest::newRow("Yes without its parent") << "gone/new" << int(Answer::kYes) << false << true;
}

void CopyMoveDialogTest::missingDirectoryIsOfferedForCreation() {
  QFETCH(QString, relative);
  QFETCH(int, answer);
  QFETCH(bool, created);
  QFETCH(bool, reported);
  TempTree tree;
  Rig rig;
  rig.prompter.answers = {Answer(answer)};
  const std::string dest = tree.Path(relative.toStdString()) + "/";
  rig.Open();
  rig.SetAddress(dest);
  rig.Ok();
  QCOMPARE(rig.prompter.questions,
           std::vector<std::string>{"Directory does not exist, create it ?"});
  QCOMPARE(DirectoryExists(dest), created);
  QCOMPARE(rig.prompter.messages.size(), std::size_t{reported ? 1u : 0u});
  if (reported) QCOMPARE(rig.prompter.messages[0].text, "Cannot create directory: " + dest);
  // The run that follows makes missing directories itself, so the dialog goes on either way.
  QVERIFY(rig.Accepted());
  QCOMPARE(rig.dialog.Destinations(), std::vector<std::string>{dest});
}

void CopyMoveDialogTest::emptyAddressIsRefused() {
  Rig rig;
  rig.Open();
  rig.SetAddress("");
  rig.Ok();
  QVERIFY(rig.dialog.isVisible());
  QCOMPARE(rig.prompter.messages.size(), std::size_t{1});
  QVERIFY(rig.dialog.Destinations().empty());
  QVERIFY(rig.prompter.questions.empty());
}

void CopyMoveDialogTest::treeAndBookmarksFillTheAddress() {
  TempTree tree;
  const std::string start = tree.Dir("start");
  const std::string browsed = tree.Dir("start/browsed");
  const std::string marked = tree.Dir("marked");
  QVERIFY(SetCurrentDirectory(start));
  Rig rig;
  rig.Open("Copy", "a.txt", {"/no/such/dir/", marked + "/"}, start + "/");

  auto* view = rig.Find<QTreeView>("directoryTree");
  auto* dirs = static_cast<DirectoryTreeModel*>(view->model());
  view->setCurrentIndex(dirs->IndexOf(browsed));
  QCOMPARE(rig.dialog.Address(), browsed + "/");

  auto* bookmarks = rig.Find<QComboBox>("bookmarks");
  QCOMPARE(bookmarks->count(), 3);
  bookmarks->setFocus();
  QTest::keyClick(bookmarks, Qt::Key_Down);
  QCOMPARE(rig.dialog.Address(), std::string("/no/such/dir/"));
  QTest::keyClick(bookmarks, Qt::Key_Down);
  QCOMPARE(rig.dialog.Address(), marked + "/");
  QCOMPARE(rig.TreeDirectory(), marked);
}

void CopyMoveDialogTest::savedPlaceIsUsedAndWrittenBack() {
  Rig rig;
  rig.save_place = true;
  rig.place = {40, 50, 420, 700};
  rig.splitter = 180;
  rig.Open();
  QVERIFY(QTest::qWaitForWindowExposed(&rig.dialog));
  QCOMPARE(rig.dialog.geometry(), QRect(50, 40, 700, 420));
  auto* split = rig.Find<QSplitter>("copyMoveSplitter");
  QCOMPARE(split->sizes().value(0), 180);

  rig.dialog.setGeometry(70, 60, 760, 480);
  split->setSizes({210, 400});
  rig.Find<QPushButton>("cancel")->click();
  QVERIFY((rig.place == WindowPlace{60, 70, 480, 760}));
  QCOMPARE(rig.splitter, 210);
}

void CopyMoveDialogTest::runHandsBackTheValuesOnlyOnOk() {
  TempTree tree;
  const std::string dest = tree.Dir("dest");
  Rig rig;
  CopyMoveValues values;
  values.title = "Move";
  values.rules.old_text = values.rules.new_text = "holiday\xff.jpg";

  QTimer::singleShot(0, [&rig] { rig.Find<QPushButton>("cancel")->click(); });
  QVERIFY(!rig.dialog.Run(values, {}, "/"));
  QCOMPARE(values.destination, std::string());

  QTimer::singleShot(0, [&rig, &dest] {
    for (const char* box : {"fullPath", "skip", "rename", "separatorOn"}) rig.Box(box)->click();
    rig.Find<QRadioButton>("numberSuffix")->click();
    rig.Field("new")->setText("Holiday");
    rig.Field("old")->setText("holiday");
    rig.Field("prefix")->setText("p");
    rig.Field("separator")->setText("_");
    rig.Field("zeroFill")->setText("2");
    rig.SetAddress(dest);
    rig.Ok();
  });
  QVERIFY(rig.dialog.Run(values, {}, "/"));
  QCOMPARE(values.title, std::string("Move"));
  QCOMPARE(values.destination, dest + "/");
  QVERIFY(values.full_path && values.skip && values.rename && !values.replace);
  QCOMPARE(values.rules.old_text, std::string("holiday"));
  QCOMPARE(values.rules.new_text, std::string("Holiday"));
  QCOMPARE(values.rules.prefix, std::string("p"));
  QCOMPARE(values.rules.suffix, std::string());
  QVERIFY(values.rules.number == NumberPlace::kSuffix);
  QVERIFY(values.rules.use_separator);
  QCOMPARE(values.rules.separator, std::string("_"));
  QCOMPARE(values.start, std::string("1"));
  QCOMPARE(values.step, std::string("1"));
  QCOMPARE(values.zero_fill, std::string("2"));
  QCOMPARE(values.rules.zero_fill, 2);

  // A name that is not UTF-8 comes back with its own bytes while its field is not edited.
  values.rules.old_text = values.rules.new_text = "holiday\xff.jpg";
  QTimer::singleShot(0, [&rig] { rig.Ok(); });
  QVERIFY(rig.dialog.Run(values, {}, "/"));
  QCOMPARE(values.rules.old_text, std::string("holiday\xff.jpg"));
  QCOMPARE(values.rules.new_text, std::string("holiday\xff.jpg"));
}

QTEST_MAIN(CopyMoveDialogTest)
#include "copy_move_dialog_qtest.moc"
