// The help window on the pages shipped in help/: topics, the contents, the index, and a folder
// without pages.
#include <QLineEdit>
#include <QListWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QtTest>

#include "help/help_topics.h"
#include "help/help_window.h"
#include "support/temp_tree.h"

using namespace krellix;

namespace {

QString Shown(const HelpWindow& w) { return QFileInfo(w.CurrentPage().toLocalFile()).fileName(); }

}  // namespace

class HelpWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void topicsOpenTheirPages_data();
  void topicsOpenTheirPages();
  void contentsListThePagesAndFollowThem();
  void indexNarrowsAsYouTypeAndOpensTheEntry();
  void withoutPagesItSaysWhereItLooked();
};

void HelpWindowTest::topicsOpenTheirPages_data() {
  QTest::addColumn<int>("topic");
  QTest::addColumn<QString>("page");
  for (const HelpTopic& t : HelpTopics()) {
    QTest::newRow(t.page) << t.number << QString(t.page);
  }
  QTest::newRow("unknown number") << 4711 << QString(kHelpContentsPage);
}

void HelpWindowTest::topicsOpenTheirPages() {
  QFETCH(int, topic);
  QFETCH(QString, page);
  HelpWindow w(KRELLIX_HELP_DIR);
  w.ShowTopic(topic);
  QCOMPARE(Shown(w), page);
  // The page was read: its title is the window's.
  QVERIFY(!w.Browser()->documentTitle().isEmpty());
  QVERIFY(w.windowTitle().endsWith(w.Browser()->documentTitle()));
}

void HelpWindowTest::contentsListThePagesAndFollowThem() {
  HelpWindow w(KRELLIX_HELP_DIR);
  w.ShowContents();
  QCOMPARE(Shown(w), QString(kHelpContentsPage));
  QTreeWidget* tree = w.Contents();
  QCOMPARE(tree->topLevelItemCount(), 1);
  QTreeWidgetItem* top = tree->topLevelItem(0);
  QVERIFY(top->childCount() >= 10);
  QCOMPARE(tree->currentItem(), top);

  // A page reached by a link marks its entry, a nested one included.
  w.Browser()->setSource(QUrl::fromLocalFile(QString(KRELLIX_HELP_DIR) + "/rename.html"));
  QCOMPARE(tree->currentItem()->text(0), QString("Renaming many files"));
  QVERIFY(tree->currentItem()->parent() != top);
  // Clicking an entry shows its page; Back returns.
  QTreeWidgetItem* keyboard = tree->findItems("Keyboard", Qt::MatchRecursive).value(0);
  QVERIFY(keyboard != nullptr);
  emit tree->itemClicked(keyboard, 0);
  QCOMPARE(Shown(w), QString("keyboard.html"));
  w.Browser()->backward();
  QCOMPARE(Shown(w), QString("rename.html"));
}

void HelpWindowTest::indexNarrowsAsYouTypeAndOpensTheEntry() {
  HelpWindow w(KRELLIX_HELP_DIR);
  QListWidget* index = w.Index();
  QVERIFY(index->count() > 50);
  QTest::keyClicks(w.IndexField(), "zero f");
  int shown = 0;
  for (int i = 0; i < index->count(); ++i) {
    if (index->item(i)->isHidden()) continue;
    ++shown;
    QVERIFY2(index->item(i)->text().contains("zero f", Qt::CaseInsensitive),
             qPrintable(index->item(i)->text()));
  }
  QVERIFY(shown >= 1);
  QVERIFY(!index->currentItem()->isHidden());
  QTest::keyClick(w.IndexField(), Qt::Key_Return);
  QCOMPARE(Shown(w), index->currentItem()->data(Qt::UserRole).toString());
  QVERIFY(Shown(w) == "copy_move.html" || Shown(w) == "rename.html" ||
          Shown(w) == "directories.html");
}

void HelpWindowTest::withoutPagesItSaysWhereItLooked() {
  test::TempTree t;
  HelpWindow w(QString::fromStdString(t.Dir("nothing here")));
  w.ShowTopic(1030);
  QVERIFY(w.CurrentPage().isEmpty());
  const QString text = w.Browser()->toPlainText();
  QVERIFY(text.contains("keyboard.html"));
  QVERIFY(text.contains("nothing here"));
  QCOMPARE(w.Contents()->topLevelItemCount(), 0);
}

QTEST_MAIN(HelpWindowTest)
#include "help_window_qtest.moc"
