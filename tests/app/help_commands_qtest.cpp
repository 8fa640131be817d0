// Help in the running window: F1, the Help menu, the "Help (F1)" button and every dialog's Help
// button open the help window on their pages; "Online Help" hands the first page to the
// desktop; the About box shows and closes. The window is started as the built program, so it
// finds the pages beside it.
#include <QAbstractButton>
#include <QDesktopServices>
#include <QLabel>
#include <QToolButton>
#include <QtTest>

#include "help/about_dialog.h"
#include "help/help_window.h"
#include "support/scanned_window.h"

using namespace krellix;
using krellix::test::ScannedWindow;

namespace {

HelpWindow* ShownHelp() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    auto* help = qobject_cast<HelpWindow*>(w);
    if (help != nullptr && help->isVisible()) return help;
  }
  return nullptr;
}

QString PageOf(const HelpWindow* help) {
  return help == nullptr ? "(no help window)"
                         : QFileInfo(help->CurrentPage().toLocalFile()).fileName();
}

void StartIn(ScannedWindow& rig) {
  rig.program = KRELLIX_PROGRAM;
  rig.home.tree.File("a.txt", 10);
  rig.Start(rig.home.tree.Root());
  rig.Select({"a.txt"});
}

// Receives the links "Online Help" and the About box hand to the desktop.
class LinkCatcher : public QObject {
  Q_OBJECT

 public:
  LinkCatcher() { QDesktopServices::setUrlHandler("file", this, "Open"); }
  ~LinkCatcher() override { QDesktopServices::unsetUrlHandler("file"); }
  QList<QUrl> opened;

 public slots:
  void Open(const QUrl& url) { opened << url; }
};

}  // namespace

class HelpCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void keysMenuAndButtonOpenTheirPages_data();
  void keysMenuAndButtonOpenTheirPages();
  void dialogHelpButtonsOpenTheirTopics_data();
  void dialogHelpButtonsOpenTheirTopics();
  void onlineHelpOpensTheFirstPageInTheBrowser();
  void aboutShowsVersionCopyrightAndPictureAndCloses_data();
  void aboutShowsVersionCopyrightAndPictureAndCloses();
};

void HelpCommandsTest::keysMenuAndButtonOpenTheirPages_data() {
  QTest::addColumn<QString>("how");
  QTest::addColumn<QString>("page");
  QTest::newRow("F1") << "key F1"
                      << "index.html";
  QTest::newRow("Alt+H") << "key Alt+H"
                         << "index.html";
  QTest::newRow("Help Topics") << "help.topics"
                               << "index.html";
  QTest::newRow("Jumpstart") << "help.jumpstart"
                             << "jumpstart.html";
  QTest::newRow("Keyboard") << "help.keyboard"
                            << "keyboard.html";
  QTest::newRow("License") << "help.license"
                           << "license.html";
  QTest::newRow("What's new") << "help.whats_new"
                              << "whats_new.html";
  QTest::newRow("Help (F1) button") << "button helpButton"
                                    << "jumpstart.html";
}

void HelpCommandsTest::keysMenuAndButtonOpenTheirPages() {
  QFETCH(QString, how);
  QFETCH(QString, page);
  ScannedWindow rig;
  StartIn(rig);
  QVERIFY(ShownHelp() == nullptr);
  QWidget* list = rig.form->ListTabs()->ItemView();
  list->setFocus();
  if (how == "key F1") {
    QTest::keyClick(list, Qt::Key_F1);
  } else if (how == "key Alt+H") {
    QTest::keyClick(list, Qt::Key_H, Qt::AltModifier);
  } else if (how.startsWith("button ")) {
    rig.form->findChild<QToolButton*>(how.mid(7))->click();
  } else {
    rig.form->Command(how.toStdString())->trigger();
  }
  HelpWindow* help = ShownHelp();
  QCOMPARE(PageOf(help), page);
  QCOMPARE(help->windowModality(), Qt::NonModal);
  help->close();
}

void HelpCommandsTest::dialogHelpButtonsOpenTheirTopics_data() {
  QTest::addColumn<QString>("command");
  QTest::addColumn<QString>("button");
  QTest::addColumn<QString>("page");
  QTest::newRow("Configuration") << "options.configuration"
                                 << "HelpButton"
                                 << "configuration.html";
  QTest::newRow("Copy / Move") << "items.copy"
                               << "help"
                               << "copy_move.html";
  QTest::newRow("Set Attribute(s)") << "items.attrib"
                                    << "help"
                                    << "attributes.html";
  QTest::newRow("Rename") << "items.rename"
                          << "help"
                          << "rename.html";
  QTest::newRow("Create directory") << "tree.create_directory"
                                    << "help"
                                    << "directories.html";
}

void HelpCommandsTest::dialogHelpButtonsOpenTheirTopics() {
  QFETCH(QString, command);
  QFETCH(QString, button);
  QFETCH(QString, page);
  ScannedWindow rig;
  StartIn(rig);
  QString shown;
  bool above_dialog = false;
  bool shown_again = false;
  ScannedWindow::When<QDialog>([&](QDialog* dialog) {
    auto* help_button = dialog->findChild<QAbstractButton*>(button);
    QVERIFY(help_button != nullptr);
    help_button->click();
    HelpWindow* help = ShownHelp();
    shown = PageOf(help);
    // Over a modal dialog the help window must be the topmost modal window, or it could not
    // be used.
    above_dialog = help != nullptr && help->windowModality() == Qt::ApplicationModal &&
                   QApplication::activeModalWidget() == help;
    help->close();
    // A second press shows it again: one connection, one page.
    help_button->click();
    shown_again = ShownHelp() == help && PageOf(help) == page;
    help->close();
    dialog->reject();
  });
  rig.form->Command(command.toStdString())->trigger();
  QCOMPARE(shown, page);
  QVERIFY(above_dialog);
  QVERIFY(shown_again);

  // Help asked for from the main window afterwards is an ordinary window again.
  rig.form->Command("help.keyboard")->trigger();
  QCOMPARE(ShownHelp()->windowModality(), Qt::NonModal);
  ShownHelp()->close();
}

void HelpCommandsTest::onlineHelpOpensTheFirstPageInTheBrowser() {
  ScannedWindow rig;
  StartIn(rig);
  LinkCatcher links;
  rig.form->Command("help.online")->trigger();
  QCOMPARE(links.opened.size(), 1);
  QCOMPARE(links.opened[0],
           QUrl::fromLocalFile(QString::fromStdString(rig.form->Paths().HelpName)));
  QVERIFY(QFileInfo(links.opened[0].toLocalFile()).isFile());
  QVERIFY(ShownHelp() == nullptr);
}

void HelpCommandsTest::aboutShowsVersionCopyrightAndPictureAndCloses_data() {
  QTest::addColumn<QString>("close_by");
  QTest::newRow("key") << "key";
  QTest::newRow("click") << "click";
}

void HelpCommandsTest::aboutShowsVersionCopyrightAndPictureAndCloses() {
  QFETCH(QString, close_by);
  ScannedWindow rig;
  StartIn(rig);
  QStringList texts;
  bool picture = false;
  QString link;
  ScannedWindow::When<AboutDialog>([&](AboutDialog* about) {
    for (QLabel* label : about->findChildren<QLabel*>()) {
      texts << label->text();
      picture = picture || !label->pixmap().isNull();
    }
    link = about->Link()->text();
    if (close_by == "key") {
      QTest::keyClick(about, Qt::Key_Space);
    } else {
      QTest::mouseClick(about, Qt::LeftButton, {}, QPoint(4, 4));
    }
  });
  rig.form->Command("help.about")->trigger();
  QVERIFY(texts.contains(" Version 1.2.2  "));
  QVERIFY(texts.contains("Copyright (c) 2003-2025 The Krellix authors "));
  QVERIFY(picture);
  QVERIFY2(link.contains(QUrl::fromLocalFile(QString::fromStdString(rig.form->Paths().HelpName))
                             .toString(QUrl::FullyEncoded)),
           qPrintable(link));
  QVERIFY(QApplication::activeModalWidget() == nullptr);
}

QTEST_MAIN(HelpCommandsTest)
#include "help_commands_qtest.moc"
