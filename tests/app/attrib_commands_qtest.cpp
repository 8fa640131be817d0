// "Attrib" in the running window: the "Set Attribute(s)" dialog, the question per item, the
// changes on disk, and "Confirm Attrib file" switched off.
#include <sys/stat.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>
#include <QTimer>
#include <QtTest>
#include <ctime>
#include <functional>

#include "app/list_panel.h"
#include "app/main_window.h"
#include "fileops/attributes_dialog.h"
#include "itemlist/item_list_view.h"
#include "platform/scripted_prompter.h"
#include "support/scanned_window.h"

using namespace krellix;

namespace {

struct stat StatOf(const std::string& path) {
  struct stat st {};
  ::stat(path.c_str(), &st);
  return st;
}

// Answers the dialog once it shows: `fill` sets its controls, then OK.
void AnswerDialog(std::function<void(AttributesDialog*)> fill) {
  test::ScannedWindow::When<AttributesDialog>([fill](AttributesDialog* dialog) {
    fill(dialog);
    dialog->findChild<QPushButton*>("ok")->click();
  });
}

}  // namespace

class AttribCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void readOnlyAndDateReachTheDisk();
};

void AttribCommandsTest::readOnlyAndDateReachTheDisk() {
  test::ScannedWindow rig;
  ScriptedPrompter& prompter = rig.prompter;
  test::TempTree& tree = rig.home.tree;
  const std::string dir = tree.Dir("work");
  const std::string a = tree.File("work/a.txt", 1);
  const std::string b = tree.File("work/b.txt", 1);
  const std::string c = tree.File("work/c.txt", 1);
  for (const std::string& f : {a, b, c}) ::chmod(f.c_str(), 0644);
  rig.Start(dir);
  MainWindow& form = *rig.form;
  ItemList& items = form.Items();
  QCOMPARE(items.Count(), std::size_t{3});
  for (std::size_t i = 0; i < items.Count(); ++i)
    items.SetSelected(i, items.Fields(i).File != "c.txt");
  form.ListTabs()->ItemView()->RefreshSelection();

  // Yes to all at the first question: both selected files become read-only with the date.
  prompter.answers = {Answer::kYesToAll};
  AnswerDialog([](AttributesDialog* d) {
    d->findChild<QRadioButton*>("attReadOnly_on")->click();
    d->findChild<QCheckBox*>("setDateModified")->setChecked(true);
    d->findChild<QDateEdit*>("dateModified")->setDate(QDate(2001, 2, 3));
    d->findChild<QTimeEdit*>("timeModified")->setTime(QTime(10, 15, 37));
  });
  form.Command("items.attrib")->trigger();
  QCOMPARE(prompter.questions, std::vector<std::string>{"Set attributes for " + b + " ? "});
  std::tm tm{};
  tm.tm_year = 101, tm.tm_mon = 1, tm.tm_mday = 3, tm.tm_hour = 10, tm.tm_min = 15, tm.tm_sec = 36;
  tm.tm_isdst = -1;
  const std::time_t expected = std::mktime(&tm);
  for (const std::string& f : {a, b}) {
    QCOMPARE(StatOf(f).st_mode & 0777, 0444u);
    QCOMPARE(StatOf(f).st_mtime, expected);
  }
  QCOMPARE(StatOf(c).st_mode & 0777, 0644u);
  QVERIFY(form.StatusText().startsWith("Attribute_count=2 Total=2 Time="));
  const auto log = test::LogTexts(form.Log().Lines());
  QCOMPARE(test::CountStarting(log, "Attribute_update=" + b), 1);
  QCOMPARE(test::CountStarting(log, "Attribute_update=" + a), 1);
  QCOMPARE(items.Count(), std::size_t{3});

  // With "Confirm Attrib file" off nothing is asked; read-only off gives write back.
  form.Command("options.confirm_attrib_file")->trigger();
  AnswerDialog(
      [](AttributesDialog* d) { d->findChild<QRadioButton*>("attReadOnly_off")->click(); });
  form.Command("items.attrib")->trigger();
  QCOMPARE(prompter.questions.size(), std::size_t{1});
  QCOMPARE(StatOf(a).st_mode & 0200, 0200u);
  QVERIFY(form.StatusText().startsWith("Attribute_count=2 Total=2 Time="));
}

QTEST_MAIN(AttribCommandsTest)
#include "attrib_commands_qtest.moc"
