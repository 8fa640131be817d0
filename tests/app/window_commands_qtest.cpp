// The window's own commands in the running window: "Edit" on the focused control, "Reset
// windowsize", the least width of the item list's side, and the "Show / hide Hints" button.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <QSplitter>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>

#include "app/criteria_panel.h"
#include "app/main_window.h"
#include "navigation/address_bar.h"
#include "navigation/directory_panel.h"
#include "platform/scripted_prompter.h"
#include "rename/rename_pane.h"
#include "support/window_fixture.h"

using namespace krellix;
using krellix::test::TempHome;

namespace {

const char* kProgram = "/opt/krellix/krellix";

QLineEdit* Field(MainWindow& form, const QString& which) {
  if (which == "scan box") return form.CriteriaTabs()->ScanBox()->lineEdit();
  if (which == "address bar") return form.AddressField()->Field()->lineEdit();
  return form.findChild<RenamePane*>()->Field();
}

void ShowHint(QWidget* widget) {
  QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), widget->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(widget, &help);
}

}  // namespace

class WindowCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void editActsOnTheFocusedControl_data();
  void editActsOnTheFocusedControl();
  void shiftLettersTypeInTheRenameBox();
  void resetWindowSizeSetsTheDesignedSizes_data();
  void resetWindowSizeSetsTheDesignedSizes();
  void itemListSideKeepsItsLeastWidthAndAMargin();
  void hintsButtonSwitchesHintsAndAlwaysShowsItsOwn();
};

void WindowCommandsTest::editActsOnTheFocusedControl_data() {
  QTest::addColumn<QString>("control");
  QTest::addColumn<QString>("command");
  QTest::addColumn<QString>("text_after");
  QTest::addColumn<QString>("clipboard_after");
  // Each starts with "abc def" in the control, "abc" selected, and "XY" on the clipboard.
  for (const char* box : {"scan box", "address bar"}) {
    const QString b(box);
    QTest::newRow(qPrintable(b + ": cut takes the whole text")) << b << "edit.cut"
                                                                << ""
                                                                << "abc def";
    QTest::newRow(qPrintable(b + ": copy copies the whole text")) << b << "edit.copy"
                                                                  << "abc def"
                                                                  << "abc def";
    QTest::newRow(qPrintable(b + ": paste replaces the whole text")) << b << "edit.paste"
                                                                     << "XY"
                                                                     << "XY";
  }
  QTest::newRow("rename box: cut takes the selection") << "rename box"
                                                       << "edit.cut"
                                                       << " def"
                                                       << "abc";
  QTest::newRow("rename box: copy copies the selection") << "rename box"
                                                         << "edit.copy"
                                                         << "abc def"
                                                         << "abc";
  QTest::newRow("rename box: paste replaces the selection") << "rename box"
                                                            << "edit.paste"
                                                            << "XY def"
                                                            << "XY";
}

void WindowCommandsTest::editActsOnTheFocusedControl() {
  QFETCH(QString, control);
  QFETCH(QString, command);
  QFETCH(QString, text_after);
  QFETCH(QString, clipboard_after);
  TempHome home;
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  form.Command("view.rename")->trigger();
  QLineEdit* field = Field(form, control);
  field->setFocus();
  QTRY_COMPARE(
      QApplication::focusWidget() == field || QApplication::focusWidget() == field->parentWidget(),
      true);
  field->setText("abc def");
  field->setSelection(0, 3);
  QApplication::clipboard()->setText("XY");

  form.Command(command.toStdString())->trigger();
  QCOMPARE(field->text(), text_after);
  QCOMPARE(QApplication::clipboard()->text(), clipboard_after);
  if (control == "scan box") QCOMPARE(form.Criteria().scan_text, text_after.toStdString());
}

void WindowCommandsTest::shiftLettersTypeInTheRenameBox() {
  TempHome home;
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  form.Command("view.rename")->trigger();
  QLineEdit* field = Field(form, "rename box");
  field->setFocus();
  field->clear();
  QTest::keyClick(field, 'L', Qt::ShiftModifier);
  QTest::keyClick(field, 'X', Qt::ShiftModifier);
  QCOMPARE(field->text(), QString("LX"));
  QVERIFY(form.DirectoryTabs()->ActivePane() == DirPane::kTree);
}

void WindowCommandsTest::resetWindowSizeSetsTheDesignedSizes_data() {
  QTest::addColumn<bool>("preview");
  QTest::addColumn<int>("preview_height");
  QTest::newRow("preview shown") << true << 221;
  QTest::newRow("preview off") << false << 25;
}

void WindowCommandsTest::resetWindowSizeSetsTheDesignedSizes() {
  QFETCH(bool, preview);
  QFETCH(int, preview_height);
  TempHome home;
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  form.Settings().ShowPreview = preview;
  form.resize(1000, 760);
  auto* split = qobject_cast<QSplitter*>(form.centralWidget());
  split->setSizes({400, 600});
  form.DirectoryTabs()->SetPreviewHeight(100);
  QCoreApplication::processEvents();

  form.Command("view.reset_window")->trigger();
  QCoreApplication::processEvents();
  QCOMPARE(form.size(), QSize(720, 560));
  // 210 pixels, unless the directory pane cannot become that narrow.
  QCOMPARE(split->sizes().value(0), std::max(210, split->widget(0)->minimumSizeHint().width()));
  QCOMPARE(form.DirectoryTabs()->PreviewHeight(), preview_height);
}

void WindowCommandsTest::itemListSideKeepsItsLeastWidthAndAMargin() {
  TempHome home;
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  auto* split = qobject_cast<QSplitter*>(form.centralWidget());
  QWidget* list_side = split->widget(1);
  const int least = list_side->minimumSizeHint().width() + 16;

  // Neither the splitter nor a narrow window squeezes it below that.
  split->setSizes({5000, 0});
  QCoreApplication::processEvents();
  QVERIFY2(list_side->width() >= least, qPrintable(QString::number(list_side->width())));
  form.resize(50, 560);
  QCoreApplication::processEvents();
  QVERIFY2(list_side->width() >= least, qPrintable(QString::number(list_side->width())));
  QVERIFY(form.width() >= split->widget(0)->minimumSizeHint().width() + least);
}

void WindowCommandsTest::hintsButtonSwitchesHintsAndAlwaysShowsItsOwn() {
  TempHome home;
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  auto* hints = form.findChild<QToolButton*>("hintsButton");
  QVERIFY(hints != nullptr);
  QVERIFY(!form.Settings().ShowHints);

  // With hints off, other buttons keep theirs to themselves; this one shows its own.
  ShowHint(form.findChild<QToolButton*>("autoScanButton"));
  QVERIFY(!QToolTip::isVisible());
  ShowHint(hints);
  QTRY_VERIFY(QToolTip::isVisible());
  QCOMPARE(QToolTip::text(), QString("Show / hide Hints"));
  QToolTip::hideText();

  hints->click();
  QVERIFY(form.Settings().ShowHints);
  QVERIFY(form.Actions().show_hints->isChecked());
  hints->click();
  QVERIFY(!form.Settings().ShowHints);
  QVERIFY(!form.Actions().show_hints->isChecked());
}

QTEST_MAIN(WindowCommandsTest)
#include "window_commands_qtest.moc"
