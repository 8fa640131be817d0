// Runs the real `krellix scan` without a display and holds its rows against what the window's
// "Scan to File" (or a scan followed by "Save") writes for the same settings.
#include <fcntl.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QProcess>
#include <QtTest>
#include <algorithm>
#include <fstream>
#include <functional>

#include "app/criteria_panel.h"
#include "app/main_window.h"
#include "platform/scripted_prompter.h"
#include "support/fake_output_dialogs.h"
#include "support/window_fixture.h"

using namespace krellix;
using krellix::test::ReadWholeFile;
using krellix::test::TempHome;

namespace {

const char* kWindowProgram = "/opt/krellix/krellix";
const char* kHeaderTime = ";  - File saved on: ";

struct Run {
  int code = -1;
  std::string out;
  std::string err;
};

// The environment of a program started over ssh or from cron: no display of any kind.
QProcessEnvironment WithoutDisplay() {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
  return env;
}

Run Start(const QString& program, const QStringList& args) {
  QProcess p;
  p.setProcessEnvironment(WithoutDisplay());
  // The window under test moves the current directory into folders that go away.
  p.setWorkingDirectory("/");
  p.start(program, args);
  Run r;
  if (!p.waitForFinished(60000)) return r;
  r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  r.out = p.readAllStandardOutput().toStdString();
  r.err = p.readAllStandardError().toStdString();
  return r;
}

Run Krellix(QStringList args) {
  args.prepend("scan");
  return Start(KRELLIX_PROGRAM, args);
}

// The arguments for a shell, each in single quotes.
QString Quoted(const QStringList& args) {
  QString text;
  for (const QString& a : args) text += " '" + a + "'";
  return text;
}

// A bash script with $K the program.
Run Shell(const QString& script) {
  return Start("/bin/bash", {"-c", "K='" KRELLIX_PROGRAM "'; " + script});
}

// The file without the header line that holds the time of writing.
std::string WithoutSaveTime(const std::string& text) {
  std::string kept;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find('\n', at);
    end = end == std::string::npos ? text.size() : end + 1;
    const std::string line = text.substr(at, end - at);
    if (line.rfind(kHeaderTime, 0) != 0) kept += line;
    at = end;
  }
  return kept;
}

// The help with each option's text on one line.
std::string Unwrapped(std::string help) {
  const std::string continued = "\n" + std::string(34, ' ');
  for (std::size_t at; (at = help.find(continued)) != std::string::npos;) {
    help.replace(at, continued.size(), " ");
  }
  return help;
}

int Count(const std::string& text, const std::string& part) {
  int n = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

// 2014-03-07 09:05 and 2019-12-31 00:00 UTC.
constexpr std::time_t kIn2014 = 1394183100;
constexpr std::time_t kIn2019 = 1577750400;

// The fixture: files of several sizes, ages, kinds and names below "data/", one folder
// outside it for the include list.
void BuildTree(TempHome& home) {
  home.tree.File("data/a.txt", 1536, kIn2014);
  home.tree.File("data/b.doc", 10);
  home.tree.File("data/.hidden.txt", 3);
  home.tree.File("data/with blank.txt", 7);
  home.tree.File("data/\xff.txt", 1);
  home.tree.File("data/sub/c.txt", 2048, kIn2019);
  home.tree.File("data/sub/deep/d.TXT");
  home.tree.File("data/skip/e.txt", 5);
  home.tree.File("extra/g.txt", 4);
}

// One comparison: the window started with `window_ini` (plus `window_criteria`), and
// `krellix scan` with `headless_ini` and `args`, both over "data/".
struct Case {
  const char* name;
  std::string window_ini;
  std::string headless_ini;
  QStringList args;
  std::function<void(SelectionCriteria&)> window_criteria;
  bool sorted = false;      // the window scans and saves; krellix scan gets --sort
  bool to_file = false;     // krellix scan writes with --output rather than to standard output
  bool with_lists = false;  // exclude "data/skip/", include "extra/" after the tree
};

const std::string kQuiet = "[Prefs]\r\nAuto=0\r\n";

// A search set up in the window and saved: criteria, output options and lists.
const std::string kNightly =
    kQuiet +
    "ScanIncList=1\r\nShst=1\r\nScan=*.txt b*\r\n[Attr]\r\nD=1\r\nH=0\r\nY=0\r\n"
    "[File]\r\nCase=0\r\n[Output]\r\nQStr=1\r\nTitl=1\r\nSep=,\r\nGluePath=0\r\n"
    "LScan=1\r\nHdr2=- nightly\r\n";

const Case kCases[] = {
    {"built_in_settings", kQuiet, kQuiet, {}, nullptr},
    {"settings_file_criteria_output_and_lists", kNightly, kNightly, {}, nullptr, false, true, true},
    {"options_override_the_settings_file",
     kQuiet + "Shst=1\r\nScan=*.txt d*\r\nNot=1\r\nOr=0\r\n[File]\r\nSubd=0\r\n"
              "[Output]\r\nSep=  \r\nQStr=1\r\nTitl=1\r\nVol=0\r\nSize=0\r\nHdrs=0\r\n",
     kQuiet,
     {"--mask", "*.txt d*", "--not", "--no-sub-dirs", "--delimiter", "Version-0.3", "--quoted",
      "--titles", "--columns", "path,date", "--no-header"},
     nullptr},
    {"size_and_date_windows",
     kQuiet,
     kQuiet,
     {"--min", "1", "--modified-to-date", "2020-01-01", "--incl-dir-names"},
     [](SelectionCriteria& c) {
       c.min = {true, "1", true};
       c.modified.to_date = true;
       c.modified.to_date_value = FromCivil({2020, 1, 1});
       c.incl_dir_names = true;
     }},
    {"sorted_by_size_with_statistics",
     kQuiet + "[Output]\r\nSort=S\r\n",
     kQuiet,
     {"--sort=S"},
     nullptr,
     true,
     true},
};

// What the window writes for `c`, into `file`.
std::string WindowRows(const Case& c, const std::string& dir, const std::string& file) {
  ScriptedPrompter prompter;
  test::FakeOutputDialogs dialogs;
  dialogs.path = file;
  MainWindow form({kWindowProgram}, &prompter, &dialogs);
  if (!form.SetTreeDirectory(dir)) return "cannot enter " + dir;
  if (c.window_criteria) {
    c.window_criteria(form.Criteria());
    form.CriteriaTabs()->Refresh();
  }
  if (c.sorted) {
    form.Actions().scan->trigger();
    form.Command("output.save")->trigger();
  } else {
    form.Command("scan.to_file")->trigger();
  }
  return ReadWholeFile(file);
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

}  // namespace

class HeadlessScanTest : public QObject {
  Q_OBJECT

 private slots:
  void rowsMatchTheWindow_data();
  void rowsMatchTheWindow();
  void helpListsTheOptionsAndTheirDefaults();
  void badInputEndsWithTwoAndTheMessage();
  void existingOutputFileIsLeftAloneUnlessToldWhatToDo();
  void brokenPipeEndsTheScanQuietly();
  void nullEndedNamesFeedXargs();
  void progressShowsOnATerminalOnly();
};

void HeadlessScanTest::rowsMatchTheWindow_data() {
  QTest::addColumn<int>("index");
  for (int i = 0; i < static_cast<int>(std::size(kCases)); ++i) QTest::newRow(kCases[i].name) << i;
}

void HeadlessScanTest::rowsMatchTheWindow() {
  QFETCH(int, index);
  const Case& c = kCases[index];
  TempHome home;
  BuildTree(home);
  const std::string dir = home.tree.Path("data");
  if (c.with_lists) {
    home.tree.Dir(".config/Krellix");
    WriteFile(home.tree.Path(".config/Krellix/exclist.txt"), "+" + dir + "/skip/\r\n");
    WriteFile(home.tree.Path(".config/Krellix/inclist.txt"),
              "+" + home.tree.Path("extra/") + "\r\n-" + dir + "/sub/\r\n");
  }

  // krellix scan first: the window may write its settings file when it goes.
  test::WriteSettingsFile(home, c.headless_ini);
  QStringList args = c.args;
  args << QString::fromStdString(dir);
  const std::string headless_file = home.tree.Path("headless.txt");
  if (c.to_file) args << "--output" << QString::fromStdString(headless_file);
  const Run run = Krellix(args);
  QCOMPARE(run.err, std::string());
  QCOMPARE(run.code, 0);
  const std::string headless = c.to_file ? ReadWholeFile(headless_file) : run.out;
  if (c.to_file) QCOMPARE(run.out, std::string());

  test::WriteSettingsFile(home, c.window_ini);
  const std::string window = WindowRows(c, dir, home.tree.Path("window.txt"));
  QVERIFY(Count(window, "\r\n") >= 2);
  QCOMPARE(WithoutSaveTime(headless), WithoutSaveTime(window));
  if (c.with_lists) {
    QCOMPARE(Count(headless, home.tree.Path("extra/")), 1);
    QCOMPARE(Count(headless, "/skip/"), 0);
  }
}

void HeadlessScanTest::helpListsTheOptionsAndTheirDefaults() {
  const Run run = Krellix({"--help"});
  QCOMPARE(run.code, 0);
  QCOMPARE(run.err, std::string());
  QVERIFY(run.out.rfind("Usage: krellix scan [DIR] [OPTION]...\n", 0) == 0);
  for (const char* line :
       {"  -m, --mask=TEXT", "--[no-]sub-dirs", "--modified-from-date=DATE", "--min=NUMBER",
        "--exclude=DIR", "--[no-]quoted", "--columns=LIST", "--sort=ORDER", "  -0, --null",
        "--ini=FILE", "--no-ini", "(default: *.*)", "(default: TAB)"}) {
    QVERIFY2(Count(Unwrapped(run.out), line) >= 1, line);
  }
}

void HeadlessScanTest::badInputEndsWithTwoAndTheMessage() {
  TempHome home;
  home.tree.File("data/a.txt");
  const QString dir = QString::fromStdString(home.tree.Path("data"));
  const QString missing = QString::fromStdString(home.tree.Path("missing"));
  const std::pair<QStringList, std::string> cases[] = {
      {{"--mask", "*.txt [a*", dir}, "krellix: '[a*' is an invalid mask at (4)\n"},
      {{"--min", "x", dir}, "krellix: --min: ''x'' is not a valid integer value\n"},
      {{missing}, "krellix: Path not accessible: " + missing.toStdString() + "\n"},
      {{"--bogus", dir}, "krellix: unknown option '--bogus'\nTry 'krellix scan --help'.\n"},
      {{"--ini", missing, dir}, "krellix: Cannot open: " + missing.toStdString() + "\n"},
  };
  for (const auto& [args, message] : cases) {
    const Run run = Krellix(args);
    QCOMPARE(run.code, 2);
    QCOMPARE(run.err, message);
    QCOMPARE(run.out, std::string());
  }
  // Nothing matching is no error, only another exit status.
  const Run none = Krellix({"--no-ini", "--mask", "*.none", "--no-header", dir});
  QCOMPARE(none.code, 1);
  QCOMPARE(none.err, std::string());
  QCOMPARE(none.out, std::string());
}

void HeadlessScanTest::existingOutputFileIsLeftAloneUnlessToldWhatToDo() {
  TempHome home;
  home.tree.File("data/a.txt");
  const QString dir = QString::fromStdString(home.tree.Path("data"));
  const std::string file = home.tree.Path("out.txt");
  WriteFile(file, "old\r\n");
  const QStringList args = {"--no-ini", "--no-header", "-o", QString::fromStdString(file), dir};

  const Run prompt = Krellix(args);
  QCOMPARE(prompt.code, 2);
  QCOMPARE(prompt.err,
           "krellix: File exists: " + file + " (--append or --replace says what to do)\n");
  QCOMPARE(ReadWholeFile(file), std::string("old\r\n"));

  QCOMPARE(Krellix(args + QStringList{"--append"}).code, 0);
  const std::string appended = ReadWholeFile(file);
  QVERIFY(appended.rfind("old\r\n:", 0) == 0);
  QCOMPARE(Count(appended, home.tree.Path("data/a.txt")), 1);

  QCOMPARE(Krellix(args + QStringList{"--replace"}).code, 0);
  QCOMPARE(ReadWholeFile(file), appended.substr(5));
}

void HeadlessScanTest::brokenPipeEndsTheScanQuietly() {
  TempHome home;
  // Rows enough to overrun the pipe and the program's own buffer many times over: 200 long
  // names, each listed once per include list entry.
  const std::string dir = home.tree.Path("data");
  for (int i = 0; i < 200; ++i) home.tree.File("data/" + std::string(120, 'n') + std::to_string(i));
  QStringList args = {"--no-ini", "--no-header", "--save-logfile", "--list"};
  for (int i = 0; i < 100; ++i) args << "--include" << QString::fromStdString(dir);

  const QString err = QString::fromStdString(home.tree.Path("err.txt"));
  const Run run = Shell("\"$K\" scan" + Quoted(args) + " 2>'" + err +
                        "' | head -n 1; echo \"${PIPESTATUS[0]}\"; cat '" + err + "'");
  // One row, then the program's exit status 0 and an empty standard error.
  const std::size_t end = run.out.find("\r\n");
  QVERIFY2(end != std::string::npos, run.out.c_str());
  QVERIFY(run.out.rfind(":", 0) == 0);
  QCOMPARE(Count(run.out.substr(0, end), dir + "/" + std::string(120, 'n')), 1);
  QCOMPARE(run.out.substr(end + 2), std::string("0\n"));
  // The run noticed the reader had gone and stopped there.
  const std::string log = ReadWholeFile(home.tree.Path(".config/Krellix/krellix.log"));
  QCOMPARE(Count(log, "Scan stopped at user request"), 1);
}

void HeadlessScanTest::nullEndedNamesFeedXargs() {
  TempHome home;
  BuildTree(home);
  home.tree.File("data/line\nbreak.txt", 2);
  const QString dir = QString::fromStdString(home.tree.Path("data"));

  const Run names = Krellix({"--no-ini", "--null", "--mask", "*.txt", dir});
  QCOMPARE(names.code, 0);
  QCOMPARE(names.err, std::string());
  std::vector<std::string> got;
  for (std::size_t at = 0, end; (end = names.out.find('\0', at)) != std::string::npos;
       at = end + 1) {
    got.push_back(names.out.substr(at, end - at));
  }
  std::sort(got.begin(), got.end());
  std::vector<std::string> expected;
  for (const char* name : {".hidden.txt", "a.txt", "line\nbreak.txt", "skip/e.txt", "sub/c.txt",
                           "sub/deep/d.TXT", "with blank.txt", "\xff.txt"}) {
    expected.push_back(home.tree.Path("data/") + name);
  }
  std::sort(expected.begin(), expected.end());
  QCOMPARE(got, expected);

  // ls finds every one of them, or fails.
  const Run piped = Shell("\"$K\" scan --no-ini --null --mask '*.txt' '" + dir +
                          "' | xargs -0 ls -d -- >/dev/null; echo \"${PIPESTATUS[*]}\"");
  QCOMPARE(piped.out, std::string("0 0\n"));
  QVERIFY2(piped.err.empty(), piped.err.c_str());
}

void HeadlessScanTest::progressShowsOnATerminalOnly() {
  TempHome home;
  home.tree.File("data/a.txt");
  const std::string dir = home.tree.Path("data");
  int terminal = -1, child_side = -1;
  if (::openpty(&terminal, &child_side, nullptr, nullptr, nullptr) != 0) {
    QSKIP("no pseudo terminal here");
  }
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(child_side, STDERR_FILENO);
    const int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, STDOUT_FILENO);
    ::unsetenv("DISPLAY");
    ::execl(KRELLIX_PROGRAM, "krellix", "scan", "--no-ini", dir.c_str(), nullptr);
    ::_exit(127);
  }
  ::close(child_side);
  std::string shown;
  char buffer[4096];
  for (ssize_t n; (n = ::read(terminal, buffer, sizeof buffer)) > 0;) shown.append(buffer, n);
  ::close(terminal);
  int status = 0;
  ::waitpid(pid, &status, 0);
  QVERIFY(WIFEXITED(status));
  QCOMPARE(WEXITSTATUS(status), 0);
  QVERIFY2(Count(shown, " directories, ") >= 1, shown.c_str());
  // The line is taken away at the end.
  QVERIFY2(shown.ends_with("\r\x1b[K"), shown.c_str());
}

QTEST_MAIN(HeadlessScanTest)
#include "headless_scan_qtest.moc"
