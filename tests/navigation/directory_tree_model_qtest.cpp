#include <QtTest>

#include "navigation/directory_tree_model.h"
#include "support/temp_tree.h"

using namespace krellix;

class DirectoryTreeModelTest : public QObject {
  Q_OBJECT

 private slots:
  void pathsLeadToTheirItemsAndBack();
  void childrenAreListedWhenAskedForInOrder();
  void hiddenDirectoriesComeOnlyWhenAskedFor();
};

void DirectoryTreeModelTest::pathsLeadToTheirItemsAndBack() {
  test::TempTree t;
  t.Dir("one/two");
  DirectoryTreeModel model;
  QCOMPARE(model.rowCount(), 1);
  QCOMPARE(model.PathOf(model.index(0, 0)), std::string("/"));
  QCOMPARE(model.IndexOf("/"), model.index(0, 0));
  for (const std::string& asked : {t.Path("one/two"), t.Path("one/two") + "/", t.Path("one/./two"),
                                   t.Path("one/two/../two")}) {
    const QModelIndex found = model.IndexOf(asked);
    QVERIFY(found.isValid());
    QCOMPARE(model.PathOf(found), t.Path("one/two"));
    QCOMPARE(model.data(found).toString(), QString("two"));
    QCOMPARE(model.PathOf(found.parent()), t.Path("one"));
  }
  QVERIFY(!model.IndexOf(t.Path("missing")).isValid());
  QVERIFY(!model.IndexOf("relative/path").isValid());
}

void DirectoryTreeModelTest::childrenAreListedWhenAskedForInOrder() {
  test::TempTree t;
  for (const char* name : {"beta", "Alpha", "alpha2", "Gamma"}) t.Dir(std::string("top/") + name);
  t.File("top/zfile.txt");
  DirectoryTreeModel model;
  const QModelIndex top = model.IndexOf(t.Path("top"));
  // Not read until its children are wanted.
  QVERIFY(model.canFetchMore(top));
  QVERIFY(model.hasChildren(top));
  QCOMPARE(model.rowCount(top), 0);
  model.fetchMore(top);
  QVERIFY(!model.canFetchMore(top));
  QStringList names;
  for (int row = 0; row < model.rowCount(top); ++row)
    names << model.index(row, 0, top).data().toString();
  QCOMPARE(names, (QStringList{"Alpha", "alpha2", "beta", "Gamma"}));
  // A directory without sub-directories loses its arrow once listed.
  const QModelIndex leaf = model.index(0, 0, top);
  QVERIFY(model.hasChildren(leaf));
  model.fetchMore(leaf);
  QVERIFY(!model.hasChildren(leaf));
}

void DirectoryTreeModelTest::hiddenDirectoriesComeOnlyWhenAskedFor() {
  test::TempTree t;
  t.Dir("top/.config/app");
  t.Dir("top/shown");
  DirectoryTreeModel model;
  const QModelIndex top = model.IndexOf(t.Path("top"));
  model.fetchMore(top);
  QCOMPARE(model.rowCount(top), 1);
  const QModelIndex app = model.IndexOf(t.Path("top/.config/app"));
  QVERIFY(app.isValid());
  QCOMPARE(model.PathOf(app), t.Path("top/.config/app"));
  QCOMPARE(model.rowCount(top), 2);
}

QTEST_MAIN(DirectoryTreeModelTest)
#include "directory_tree_model_qtest.moc"
