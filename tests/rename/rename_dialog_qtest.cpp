#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "rename/rename_dialog.h"
#include "support/find_control.h"
#include "support/rename_samples.h"

using namespace krellix;
using krellix::test::EveryRenameParameterChanged;
using P = RenameParameters;

namespace {

struct Rig {
  bool remember = false;
  RenameDialog dialog{remember};

  template <typename T>
  T* Find(const char* name) {
    return test::FindControl<T>(dialog, name);
  }
  QLineEdit* Field(const char* name) { return Find<QLineEdit>(name); }
  QCheckBox* Box(const char* name) { return Find<QCheckBox>(name); }
  QLabel* Notice() { return Find<QLabel>("notice"); }
  QString FocusName() const {
    return dialog.focusWidget() ? dialog.focusWidget()->objectName() : QString();
  }
  void Click(const char* button) { Find<QAbstractButton>(button)->click(); }
  // Moves the input focus as the user does, so that the field left sees it go.
  void FocusOn(const char* name) {
    Find<QWidget>(name)->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
  }

  // Runs the dialog on `params`; `act` works on it while it shows, and whatever is still open
  // afterwards is cancelled. Gives what Run gave.
  bool Run(P& params, std::function<void()> act) {
    QTimer::singleShot(0, &dialog, [this, act] {
      dialog.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&dialog));
      act();
      if (dialog.isVisible()) Click("cancel");
    });
    return dialog.Run(params);
  }
};

P ChangedOnReplace() {
  P p = EveryRenameParameterChanged();
  p.tab = P::EditTab::kReplace;
  return p;
}

// Defaults, but "Old:", "New:" and the tab of `p`.
P DefaultsKeeping(const P& p) {
  P d;
  d.tab = p.tab;
  d.old_text = p.old_text;
  d.new_text = p.new_text;
  return d;
}

}  // namespace

class RenameDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void captionsHintsAndDigitLimits();
  void openingFollowsRemember_data();
  void openingFollowsRemember();
  void tabChangeRunsTheOpeningSteps_data();
  void tabChangeRunsTheOpeningSteps();
  void okRefusesAFaultAndStaysOpen_data();
  void okRefusesAFaultAndStaysOpen();
  void leavingOldWithTheWholeNameTurnsNumberingOn();
  void leavingTheSeparatorTicksIt();
  void resetReturnsToDefaults();
  void rememberBoxWritesTheSettingAtOnce();
};

void RenameDialogTest::captionsHintsAndDigitLimits() {
  Rig rig;
  rig.dialog.show();
  QCOMPARE(rig.dialog.windowTitle(), QString("Rename"));
  auto* tabs = rig.Find<QTabWidget>("editTabs");
  QStringList tab_names;
  for (int i = 0; i < tabs->count(); ++i) tab_names << tabs->tabText(i);
  QCOMPARE(tab_names, QStringList({"Replace", "Crop", "Insert", "Swap", "Path"}));
  QCOMPARE(tabs->toolTip(), QString("Additional rename options"));
  QStringList groups;
  for (const QGroupBox* box : rig.dialog.findChildren<QGroupBox*>()) groups << box->title();
  QCOMPARE(groups, QStringList({"(1) Edit", "(2) Add", "(3) Number", "(4) Case", "(5) Extension"}));

  const struct {
    const char* name;
    const char* caption;
    const char* hint;
  } controls[] = {
      {"datePrefix", "Date", "Add current date before filename"},
      {"dateSuffix", "Date", "Add current date behind filename"},
      {"md5Prefix", "MD5", "Add MD5 checksum before filename"},
      {"md5Suffix", "MD5", "Add MD5 checksum after filename"},
      {"numberSkip", "skip", "Do not add numbers"},
      {"numberPrefix", "Prefix", "Insert number before filename"},
      {"numberSuffix", "Suffix", "Append number after filename"},
      {"separatorOn", "Separator", "Add separator text between number and filename"},
      {"remember", "Remember parameters", "Do not clear parameters after rename"},
      {"reset", "Reset", "Reset to default parameters"},
      {"caseTitle", "Title Case", ""},
      {"pathAddAll", "Add all levels", ""},
      {"extensionDelete", "Delete", ""},
  };
  for (const auto& c : controls) {
    auto* control = rig.Find<QAbstractButton>(c.name);
    QCOMPARE(control->text(), QString(c.caption));
    QCOMPARE(control->toolTip(), QString(c.hint));
  }
  QVERIFY(rig.Find<QPushButton>("ok")->isDefault());
  QVERIFY(rig.Notice()->isHidden());

  QSignalSpy help(&rig.dialog, &RenameDialog::helpRequested);
  rig.Click("help");
  QCOMPARE(help.count(), 1);
  QCOMPARE(help.front().front().toInt(), 2110);

  // Digits only, up to each field's count; leading zeros stay as typed.
  const struct {
    const char* name;
    const char* typed;
    const char* kept;
  } digits[] = {{"start", "x00012345678", "000123"}, {"step", "1234567", "123456"},
                {"zeroFill", "1a23", "12"},          {"removeCount", "0012", "001"},
                {"removePosition", "9999", "999"},   {"lastCount", "1234", "123"},
                {"insertPosition", "-45", "45"},     {"swapCount", "123", "12"},
                {"pathCount", "007", "00"}};
  for (const auto& d : digits) {
    QLineEdit* field = rig.Field(d.name);
    field->clear();
    QTest::keyClicks(field, d.typed);
    QCOMPARE(field->text(), QString(d.kept));
  }
  QCOMPARE(rig.dialog.Values().start, std::string("000123"));
}

void RenameDialogTest::openingFollowsRemember_data() {
  QTest::addColumn<bool>("remember");
  QTest::addColumn<QByteArray>("new_text");
  QTest::addColumn<QString>("focus");
  QTest::newRow("remember on") << true << QByteArray("new\xfe") << "newText";
  QTest::newRow("remember off") << false << QByteArray("new\xfe") << "newText";
  QTest::newRow("remember off, New: empty") << false << QByteArray() << "prefix";
}

void RenameDialogTest::openingFollowsRemember() {
  QFETCH(bool, remember);
  QFETCH(QByteArray, new_text);
  QFETCH(QString, focus);
  Rig rig;
  rig.remember = remember;
  P given = ChangedOnReplace();
  given.new_text = new_text.toStdString();
  P params = given;
  P shown;
  bool box = !remember;
  QString focused;
  bool notice_hidden = false;
  QVERIFY(!rig.Run(params, [&] {
    shown = rig.dialog.Values();
    box = rig.Box("remember")->isChecked();
    focused = rig.FocusName();
    notice_hidden = rig.Notice()->isHidden();
  }));
  QVERIFY(params == given);
  QVERIFY(shown == (remember ? given : DefaultsKeeping(given)));
  QCOMPARE(box, remember);
  QCOMPARE(focused, focus);
  QVERIFY(notice_hidden);

  // OK hands back what the dialog holds; untouched bytes that are not UTF-8 come back as given.
  QVERIFY(rig.Run(params, [&] { rig.Click("ok"); }));
  QVERIFY(params == shown);
  QCOMPARE(params.old_text, std::string("old\xff"));
}

void RenameDialogTest::tabChangeRunsTheOpeningSteps_data() {
  QTest::addColumn<int>("from");
  QTest::addColumn<int>("to");
  QTest::addColumn<bool>("remember");
  QTest::addColumn<QString>("focus");
  QTest::newRow("Crop, forgetting") << 0 << 1 << false << "removeCount";
  QTest::newRow("Insert, forgetting") << 0 << 2 << false << "insertText";
  QTest::newRow("Swap, remembering") << 0 << 3 << true << "swapCount";
  QTest::newRow("Path, remembering") << 0 << 4 << true << "pathCount";
  QTest::newRow("back to Replace, forgetting") << 4 << 0 << false << "newText";
}

void RenameDialogTest::tabChangeRunsTheOpeningSteps() {
  QFETCH(int, from);
  QFETCH(int, to);
  QFETCH(bool, remember);
  QFETCH(QString, focus);
  Rig rig;
  rig.remember = true;
  P params = EveryRenameParameterChanged();
  params.tab = P::EditTab(from);
  P after_change;
  QString focused;
  QVERIFY(!rig.Run(params, [&] {
    if (!remember) rig.Click("remember");
    // A refused OK shows the notice, which the change hides again.
    rig.Field("prefix")->setText("bad*");
    rig.Click("ok");
    QVERIFY(rig.Notice()->isVisible());
    rig.Field("prefix")->setText("pre");
    rig.Find<QTabWidget>("editTabs")->setCurrentIndex(to);
    after_change = rig.dialog.Values();
    focused = rig.FocusName();
    QVERIFY(rig.Notice()->isHidden());
  }));
  QCOMPARE(rig.remember, remember);
  P expected = remember ? EveryRenameParameterChanged() : DefaultsKeeping(params);
  expected.tab = P::EditTab(to);
  QVERIFY(after_change == expected);
  QCOMPARE(focused, focus);
}

void RenameDialogTest::okRefusesAFaultAndStaysOpen_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("bad");
  QTest::addColumn<QString>("good");
  QTest::addColumn<QString>("notice");
  const QString invalid = "Invalid characters found, re-enter";
  QTest::newRow("New:") << "newText"
                        << "a?b"
                        << "ab" << invalid;
  QTest::newRow("Prefix:") << "prefix"
                           << "x*"
                           << "x" << invalid;
  QTest::newRow("Suffix:") << "suffix"
                           << "a:b"
                           << "ab" << invalid;
  QTest::newRow("Extension") << "extension"
                             << "b|k"
                             << "bak" << invalid;
  QTest::newRow("empty Start: while numbering") << "start"
                                                << ""
                                                << "0001"
                                                << "A number field is empty, re-enter";
}

void RenameDialogTest::okRefusesAFaultAndStaysOpen() {
  QFETCH(QString, field);
  QFETCH(QString, bad);
  QFETCH(QString, good);
  QFETCH(QString, notice);
  const QByteArray name = field.toLatin1();
  Rig rig;
  P params;
  params.old_text = "a";
  bool refused = false;
  const bool ok = rig.Run(params, [&] {
    rig.Click("numberPrefix");
    rig.Field(name)->setText(bad);
    rig.Click("ok");
    QVERIFY(rig.dialog.isVisible());
    QVERIFY(rig.Notice()->isVisible());
    QCOMPARE(rig.Notice()->text(), notice);
    QCOMPARE(rig.FocusName(), field);
    refused = true;
    rig.Field(name)->setText(good);
    rig.Click("ok");
  });
  QVERIFY(refused);
  QVERIFY(ok);
  QVERIFY(rig.Notice()->isHidden());
  QCOMPARE(rig.Field(name)->text(), good);
  QVERIFY(params == rig.dialog.Values());
  QVERIFY(params.number == P::NumberPlace::kPrefix);
}

void RenameDialogTest::leavingOldWithTheWholeNameTurnsNumberingOn() {
  Rig rig;
  P params;
  QVERIFY(rig.Run(params, [&] {
    rig.Field("start")->clear();
    rig.Field("step")->setText("5");
    rig.Field("zeroFill")->clear();
    rig.FocusOn("oldText");
    QTest::keyClicks(rig.Field("oldText"), "*.txt");
    rig.FocusOn("newText");
    QVERIFY(rig.Find<QRadioButton>("numberSkip")->isChecked());
    QCOMPARE(rig.Field("start")->text(), QString());

    rig.Field("oldText")->setText("*.*");
    rig.FocusOn("oldText");
    QVERIFY(rig.Find<QRadioButton>("numberSkip")->isChecked());  // not left yet
    rig.FocusOn("newText");
    QVERIFY(rig.Find<QRadioButton>("numberPrefix")->isChecked());
    QCOMPARE(rig.Field("start")->text(), QString("1"));
    QCOMPARE(rig.Field("step")->text(), QString("5"));
    QCOMPARE(rig.Field("zeroFill")->text(), QString("3"));
    rig.Click("ok");
  }));
  QCOMPARE(params.old_text, std::string("*.*"));
  QVERIFY(params.number == P::NumberPlace::kPrefix);
}

void RenameDialogTest::leavingTheSeparatorTicksIt() {
  Rig rig;
  P params;
  QVERIFY(rig.Run(params, [&] {
    rig.FocusOn("separator");
    rig.FocusOn("prefix");
    QVERIFY(!rig.Box("separatorOn")->isChecked());
    rig.FocusOn("separator");
    QTest::keyClicks(rig.Field("separator"), " ");
    QVERIFY(!rig.Box("separatorOn")->isChecked());
    rig.FocusOn("prefix");
    QVERIFY(rig.Box("separatorOn")->isChecked());
    rig.Click("ok");
  }));
  QVERIFY(params.use_separator);
  QCOMPARE(params.separator, std::string(" "));
}

void RenameDialogTest::resetReturnsToDefaults() {
  Rig rig;
  rig.remember = true;
  P params = EveryRenameParameterChanged();
  P after_reset;
  QVERIFY(rig.Run(params, [&] {
    rig.Field("suffix")->setText("?");
    rig.Click("ok");
    QVERIFY(rig.Notice()->isVisible());
    rig.Click("reset");
    QVERIFY(rig.Notice()->isHidden());
    QVERIFY(!rig.Box("remember")->isChecked());
    after_reset = rig.dialog.Values();
    rig.Click("ok");
  }));
  QVERIFY(!rig.remember);
  QVERIFY(after_reset == DefaultsKeeping(EveryRenameParameterChanged()));
  QVERIFY(params == after_reset);
}

void RenameDialogTest::rememberBoxWritesTheSettingAtOnce() {
  Rig rig;
  P params;
  std::vector<bool> seen;
  QVERIFY(!rig.Run(params, [&] {
    rig.Click("remember");
    seen.push_back(rig.remember);
    rig.Click("remember");
    seen.push_back(rig.remember);
    rig.Click("remember");
    seen.push_back(rig.remember);
    rig.Click("cancel");
  }));
  QCOMPARE(seen, std::vector<bool>({true, false, true}));
  QVERIFY(rig.remember);  // Cancel does not take it back
  // The next opening shows the setting as it stands now.
  rig.remember = false;
  bool box = true;
  rig.Run(params, [&] { box = rig.Box("remember")->isChecked(); });
  QVERIFY(!box);
}

QTEST_MAIN(RenameDialogTest)
#include "rename_dialog_qtest.moc"
