// The built program's command line: --help, --version and bad command lines are answered on
// standard output or error without a display; `krellix DIR` starts the window in DIR.
#include <QProcess>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "app/main_window.h"
#include "platform/scripted_prompter.h"
#include "support/window_fixture.h"

using namespace krellix;

namespace {

struct Run {
  int code = -1;
  QString out;
  QString err;
};

// Without any display: a program that tried to open a window would fail.
Run Krellix(const QStringList& args) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
  p.setProcessEnvironment(env);
  p.start(KRELLIX_PROGRAM, args);
  Run r;
  if (!p.waitForFinished(60000)) return r;
  r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  r.out = QString::fromUtf8(p.readAllStandardOutput());
  r.err = QString::fromUtf8(p.readAllStandardError());
  return r;
}

}  // namespace

class CommandLineTest : public QObject {
  Q_OBJECT

 private slots:
  void answersWithoutAWindow_data();
  void answersWithoutAWindow();
  void startsInTheNamedDirectory();
};

void CommandLineTest::answersWithoutAWindow_data() {
  QTest::addColumn<QStringList>("args");
  QTest::addColumn<int>("code");
  QTest::addColumn<QString>("out_starts");
  QTest::addColumn<QString>("err_has");
  QTest::newRow("--help") << QStringList{"--help"} << 0 << "Usage: krellix [OPTION]... [DIRECTORY]"
                          << "";
  QTest::newRow("-h after a switch") << QStringList{"-i", "-h"} << 0 << "Usage: krellix"
                                     << "";
  QTest::newRow("--version") << QStringList{"--version"} << 0
                             << "Krellix Version 1.2.2\nCopyright (c) 2003-2025"
                             << "";
  QTest::newRow("unknown option") << QStringList{"-i", "--frobnicate"} << 2 << ""
                                  << "krellix: unknown option '--frobnicate'";
  QTest::newRow("two directories") << QStringList{"/tmp", "/usr"} << 2 << ""
                                   << "only one directory";
  QTest::newRow("missing directory") << QStringList{"/no/such/dir"} << 2 << ""
                                     << "'/no/such/dir' is not a directory";
  QTest::newRow("scan keeps its own options")
      << QStringList{"scan", "--help"} << 0 << "Usage: krellix scan"
      << "";
}

void CommandLineTest::answersWithoutAWindow() {
  QFETCH(QStringList, args);
  QFETCH(int, code);
  QFETCH(QString, out_starts);
  QFETCH(QString, err_has);
  const Run r = Krellix(args);
  QCOMPARE(r.code, code);
  QVERIFY2(out_starts.isEmpty() ? r.out.isEmpty() : r.out.startsWith(out_starts),
           qPrintable(r.out));
  QVERIFY2(err_has.isEmpty() ? r.err.isEmpty() : r.err.contains(err_has), qPrintable(r.err));
}

void CommandLineTest::startsInTheNamedDirectory() {
  test::TempHome home;
  const std::string dir = home.tree.Dir("start here");
  home.tree.File("start here/found.txt");
  home.tree.File("elsewhere.txt");
  ScriptedPrompter prompter;
  MainWindow form({KRELLIX_PROGRAM, "-i", dir}, &prompter);
  QCOMPARE(form.TreeDirectory(), dir);
  const auto texts = test::LogTexts(form.Log().Lines());
  QCOMPARE(test::CountStarting(texts, "Initial_directory=" + dir), 1);
  // AutoScan listed the named directory at start-up.
  QCOMPARE(form.Items().Count(), std::size_t{1});
  QCOMPARE(form.Items().Fields(0).File, std::string("found.txt"));

  // A remembered address does not hide the named directory.
  const std::string other = home.tree.Dir("remembered");
  std::filesystem::create_directories(home.tree.Path(".config/Krellix"));
  std::ofstream(home.tree.Path(".config/Krellix/krellix.ini"))
      << "[Prefs]\r\nSaveAddr=1\r\nAddr=" << other << "/\r\nAddrn=1\r\nAddr0=" << other << "/\r\n";
  MainWindow again({KRELLIX_PROGRAM, dir}, &prompter);
  QCOMPARE(again.TreeDirectory(), dir);
  QCOMPARE(again.AddressText(), dir);
}

QTEST_MAIN(CommandLineTest)
#include "command_line_qtest.moc"
