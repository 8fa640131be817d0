#include "scan/scan_engine.h"

#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "itemlist/item_list.h"
#include "platform/file_system.h"
#include "platform/scripted_prompter.h"
#include "support/fake_scan_host.h"
#include "support/temp_tree.h"

namespace krellix {
namespace {

struct Engine {
  Clock clock;
  ActivityLog log{clock};
  SelectionCriteria criteria;
  ScanState state;
  ScanStatistics stats;
  ItemList items;
  CheckList include, exclude;
  test::FakeScanHost host{criteria};
  ScriptedPrompter prompter;
  ScanEngine engine;

  // `workers`: the threads that read ahead (0: the reader chooses).
  explicit Engine(const std::string& dir, unsigned workers = 0)
      : engine({criteria, state, stats, items, include, exclude, host, prompter, log, clock},
               workers) {
    host.tree_directory = dir;
  }

  // Log lines without their time stamps.
  std::vector<std::string> LogTexts() const {
    std::vector<std::string> out;
    for (const std::string& l : log.Lines()) out.push_back(l.substr(20));
    return out;
  }
  std::vector<std::string> Files() const {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < items.Count(); ++i) {
      out.push_back(GetItemListFilename(items, i));
    }
    return out;
  }
  bool Logged(const std::string& prefix) const {
    const auto texts = LogTexts();
    return std::any_of(texts.begin(), texts.end(),
                       [&](const std::string& t) { return t.rfind(prefix, 0) == 0; });
  }
};

// Every scan test runs with one reading thread, with many, and with the default.
class ScanEngineTest : public ::testing::TestWithParam<unsigned> {};
INSTANTIATE_TEST_SUITE_P(Workers, ScanEngineTest, ::testing::Values(1u, 8u, 0u));

TEST_P(ScanEngineTest, OnlyLinesBeyondOneByteCharactersAreMeasured) {
  test::TempTree t;
  for (int i = 10; i < 60; ++i) t.File("f" + std::to_string(i));  // 50 lines of one width
  t.File("a_longer_name");
  t.File("\xC3\xA4_the_longest_name_\xC3\xA9");  // two-byte letters: only this one is measured
  Engine e(t.Root(), GetParam());
  e.host.bound_excess = 1;  // as kerning leaves the bound of a line
  e.engine.StartScan();
  const int measured = e.host.width_calls;
  ASSERT_EQ(e.items.Count(), 52u);
  int widest = 0;
  for (std::size_t i = 0; i < e.items.Count(); ++i) {
    widest = std::max(widest, e.host.TextWidth(std::string(e.items.Line(i))));
  }
  EXPECT_EQ(measured, 1);
  // The scroll range is never narrower than the widest line (plus its margin of 8).
  EXPECT_GE(e.host.finish_scroll_width, widest + 8);
  EXPECT_LE(e.host.finish_scroll_width, widest + 8 + 1);
}

TEST_P(ScanEngineTest, LinksOfTheKernelFileSystemsAreNotFollowed) {
  if (FindKernelFsDevices().proc == 0) GTEST_SKIP() << "no /proc";
  // /proc/self/cwd and /proc/self/root lead out to the working folder and to "/", and
  // /proc/self/fd to the folders the walk itself holds open.
  Engine e("/proc/self/", GetParam());
  e.state.ItemLimit = 1 << 30;
  e.engine.StartScan();
  ASSERT_GT(e.items.Count(), 0u);
  for (const std::string& f : e.Files()) {
    const bool below_a_link = f.starts_with("/proc/self/cwd/") ||
                              f.starts_with("/proc/self/root/") ||
                              (f.starts_with("/proc/self/fd/") && f.find('/', 14) != f.npos);
    ASSERT_FALSE(below_a_link) << f;
  }
  if (FindKernelFsDevices().sys == 0) return;
  // Every class folder of /sys holds links into /sys/devices: none is entered.
  Engine sys("/sys/class/", GetParam());
  sys.state.ItemLimit = 1 << 30;
  sys.criteria.incl_dir_names = true;
  sys.engine.StartScan();
  ASSERT_GT(sys.items.Count(), 0u);
  for (std::size_t i = 0; i < sys.items.Count(); ++i) {
    const std::string_view path = sys.items.Fields(i).Path;
    ASSERT_LE(std::count(path.begin(), path.end(), '/'), 4) << path;  // "/sys/class/net/"
  }
}

TEST_P(ScanEngineTest, TheLargestItemLimitNeverWrapsAround) {
  // A limit as large as the settings allow, on top of lines already listed (Append), must not
  // wrap the next question's count to a negative number.
  test::TempTree t;
  t.File("a.txt");
  t.File("b.txt");
  Engine e(t.Root(), GetParam());
  e.state.ItemLimit = 2147483647;
  e.items.Add("Scan cancelled");
  e.criteria.append = true;
  ASSERT_TRUE(e.engine.ScanCommand());
  EXPECT_TRUE(e.prompter.questions.empty());
  EXPECT_EQ(e.items.Count(), std::size_t{3});
}

TEST_P(ScanEngineTest, LinuxNamesAreFoundAndReadBackExactly) {
  // Names holding the field separator, quotes, a trailing dot or non-ASCII letters; a folder
  // ending in "." is walked into. Every line names its file exactly, in every order.
  test::TempTree t;
  const std::vector<std::string> names = {"a | b.txt",   " | lead/x.txt",   "v1.",
                                          "dir./in.txt", "caf\xc3\xa9.txt", "say \"hi\".txt"};
  for (const std::string& n : names) t.File(n);
  for (const ItemOrder order :
       {ItemOrder::kPath, ItemOrder::kFile, ItemOrder::kSize, ItemOrder::kDate}) {
    SCOPED_TRACE(LetterOf(order));
    Engine e(t.Root(), GetParam());
    e.state.SortOutput = order;
    ASSERT_TRUE(e.engine.ScanCommand());
    std::vector<std::string> found = e.Files();
    std::sort(found.begin(), found.end());
    std::vector<std::string> expected;
    for (const std::string& n : names) expected.push_back(t.Path(n));
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(found, expected);
  }
  Engine e(t.Root(), GetParam());
  e.criteria.scan_text = "caf?.txt";
  ASSERT_TRUE(e.engine.ScanCommand());
  EXPECT_EQ(e.Files(), std::vector<std::string>{t.Path("caf\xc3\xa9.txt")});
}

TEST_P(ScanEngineTest, WalksDepthFirstSortsAndLogsTheRun) {
  test::TempTree t;
  t.File("b.txt");
  t.File("a/x.txt");
  t.File("a/deeper/y.txt");
  t.File("c/z.doc");
  Engine e(t.Root(), GetParam());
  ASSERT_TRUE(e.engine.ScanCommand());
  // Lines sort by their text: the blank after a path sorts before any name character.
  EXPECT_EQ(e.Files(), (std::vector<std::string>{t.Path("b.txt"), t.Path("a/x.txt"),
                                                 t.Path("a/deeper/y.txt"), t.Path("c/z.doc")}));
  const auto log = e.LogTexts();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[0], "Scan=*.*");
  EXPECT_EQ(log[1], "Scanning=" + t.Root());
  // Four directories; every entry, "." and ".." included, is counted.
  EXPECT_EQ(log[2].substr(0, 38), "Items_Found=4 Total=4 Dir=4 Files=15 T");
  EXPECT_EQ(e.host.events, (std::vector<std::string>{"stop-preview", "clear-rename", "items-tab",
                                                     "busy", "idle"}));
}

TEST_P(ScanEngineTest, SubDirectoryIsWalkedBeforeTheNextEntry) {
  test::TempTree t;
  for (const char* d : {"p", "q", "r"}) {
    t.File(std::string(d) + "/f1");
    t.File(std::string(d) + "/inner/f2");
  }
  Engine e(t.Root(), GetParam());
  e.state.SortOutput = ItemOrder::kArrival;
  e.items.SetSorted(false);
  e.criteria.incl_dir_names = true;
  ASSERT_TRUE(e.engine.StartScan());
  // In walk order, everything below a directory follows its own line as one block.
  const auto files = e.Files();
  for (std::size_t i = 0; i < files.size(); ++i) {
    const std::string prefix = files[i] + "/";
    std::size_t j = i + 1;
    while (j < files.size() && files[j].rfind(prefix, 0) == 0) ++j;
    for (std::size_t k = j; k < files.size(); ++k) {
      EXPECT_NE(files[k].rfind(prefix, 0), 0u) << files[k] << " strayed from " << files[i];
    }
  }
  EXPECT_EQ(files.size(), 12u);
}

TEST_P(ScanEngineTest, ExcludeListSkipsByPrefixOnlyWhenChecked) {
  test::TempTree t;
  t.File("Temp/a.txt");
  t.File("Temporary/b.txt");
  t.File("keep/c.txt");
  struct Row {
    std::string entry;
    bool checked;
    std::size_t found;
  };
  for (const Row& row :
       {Row{t.Path("Temp"), true, 1}, Row{t.Path("Temp/"), true, 2}, Row{t.Path("Temp"), false, 3},
        Row{t.Root(), true, 0}, Row{t.Root().substr(0, t.Root().size() - 1), true, 0}}) {
    Engine e(t.Root(), GetParam());
    e.exclude.entries.push_back({row.entry, row.checked, true});
    ASSERT_TRUE(e.engine.StartScan());
    EXPECT_EQ(e.items.Count(), row.found) << row.entry << " checked=" << row.checked;
  }
}

TEST_P(ScanEngineTest, IncludeListByPaneAndOption) {
  test::TempTree t;
  t.File("tree/t.txt");
  t.File("inc1/i1.txt");
  t.File("inc2/i2.txt");
  struct Row {
    DirPane pane;
    bool scan_inc_list;
    std::vector<std::string> expected;
  };
  const Row rows[] = {
      {DirPane::kTree, false, {t.Path("tree/t.txt")}},
      {DirPane::kSkip, false, {t.Path("tree/t.txt")}},
      {DirPane::kList, false, {t.Path("inc1/i1.txt")}},
      {DirPane::kTree, true, {t.Path("inc1/i1.txt"), t.Path("tree/t.txt")}},
  };
  for (const Row& row : rows) {
    Engine e(t.Path("tree"), GetParam());
    e.include.entries = {{t.Path("inc1"), true, true}, {t.Path("inc2"), false, true}};
    e.host.pane = row.pane;
    e.state.ScanIncList = row.scan_inc_list;
    ASSERT_TRUE(e.engine.StartScan());
    EXPECT_EQ(e.Files(), row.expected);
  }
}

TEST_P(ScanEngineTest, EmptyIncludeListReportsZeroes) {
  test::TempTree t;
  t.File("a.txt");
  Engine e(t.Root(), GetParam());
  e.host.pane = DirPane::kList;
  ASSERT_TRUE(e.engine.StartScan());
  EXPECT_TRUE(e.Logged("Items_Found=0 Total=0 Dir=0 Files=0 Time="));
}

TEST_P(ScanEngineTest, AppendAddsToTheListAndDirAllStartsAfresh) {
  test::TempTree t;
  t.File("one/a.txt");
  t.File("two/b.txt");
  t.File(".hidden");
  Engine e(t.Path("one"), GetParam());
  ASSERT_TRUE(e.engine.StartScan());
  e.criteria.append = true;
  e.host.tree_directory = t.Path("two");
  ASSERT_TRUE(e.engine.StartScan());
  EXPECT_EQ(e.items.Count(), 2u);
  EXPECT_TRUE(e.Logged("Items_Found=2 Total=1 "));

  // "Dir *.*": top level only, hidden files too, string and mode restored afterwards.
  e.host.tree_directory = t.Root();
  e.criteria.scan_text = "*.doc";
  e.state.ScanString = true;
  ASSERT_TRUE(e.engine.DirAllCommand());
  EXPECT_EQ(e.Files(), (std::vector<std::string>{t.Path(".hidden")}));
  EXPECT_EQ(e.criteria.scan_text, "*.doc");
  EXPECT_TRUE(e.state.ScanString);
  EXPECT_FALSE(e.state.ScanFolderAll);

  e.state.ResetScanString = true;
  ASSERT_TRUE(e.engine.DirAllCommand());
  EXPECT_EQ(e.criteria.scan_text, "*.*");
}

TEST_P(ScanEngineTest, SkipSubDirScansTopLevelOnceThenClears) {
  test::TempTree t;
  t.File("top.txt");
  t.File("sub/low.txt");
  Engine e(t.Root(), GetParam());
  e.state.SkipSubDir = true;
  ASSERT_TRUE(e.engine.ScanCommand());
  EXPECT_EQ(e.Files(), (std::vector<std::string>{t.Path("top.txt")}));
  EXPECT_FALSE(e.state.SkipSubDir);
  ASSERT_TRUE(e.engine.ScanCommand());
  EXPECT_EQ(e.items.Count(), 2u);
}

TEST_P(ScanEngineTest, StopEndsTheWalkAndWarnsAfterTheReport) {
  test::TempTree t;
  for (int i = 0; i < 50; ++i) t.File("d" + std::to_string(i) + "/f.txt");
  Engine e(t.Root(), GetParam());
  e.state.StopIntvl = 5;
  e.prompter.on_process_events = [&] {
    if (e.prompter.event_polls == 3) e.engine.StopCommand();
  };
  ASSERT_TRUE(e.engine.StartScan());
  EXPECT_LT(e.items.Count(), 50u);
  const auto log = e.LogTexts();
  ASSERT_GE(log.size(), 3u);
  EXPECT_EQ(log[log.size() - 3], "ESC_or_STOP_pressed=Yes");
  EXPECT_EQ(log[log.size() - 2].rfind("Items_Found=", 0), 0u);
  EXPECT_EQ(log.back(), "Scan stopped at user request");
  ASSERT_EQ(e.prompter.messages.size(), 1u);
  EXPECT_EQ(e.prompter.messages[0].text, "Directory scan stopped at user request");
}

TEST_P(ScanEngineTest, ErrorEndsTheRunWithoutTheReport) {
  test::TempTree t;
  t.File("a.txt");
  Engine e(t.Root(), GetParam());
  e.criteria.max = {true, "many", true};
  ASSERT_TRUE(e.engine.StartScan());
  EXPECT_FALSE(e.Logged("Items_Found="));
  EXPECT_TRUE(e.Logged("''many'' is not a valid integer value"));
  ASSERT_EQ(e.prompter.messages.size(), 1u);
  EXPECT_EQ(e.prompter.messages[0].kind, MessageKind::kError);
  EXPECT_EQ(e.host.events.back(), "idle");  // cursor and repaint given back
}

TEST_P(ScanEngineTest, SecondScanWhilePollingIsRefused) {
  test::TempTree t;
  for (int i = 0; i < 20; ++i) t.File("f" + std::to_string(i));
  Engine e(t.Root(), GetParam());
  e.state.StopIntvl = 1;
  int refused = 0;
  e.prompter.on_process_events = [&] { refused += e.engine.ScanCommand() ? 0 : 1; };
  ASSERT_TRUE(e.engine.ScanCommand());
  EXPECT_GT(refused, 0);
  EXPECT_EQ(e.items.Count(), 20u);
  EXPECT_FALSE(e.engine.Running());
}

TEST_P(ScanEngineTest, MissingDirectoryYieldsNothingSilently) {
  test::TempTree t;
  Engine e(t.Path("gone"), GetParam());
  ASSERT_TRUE(e.engine.StartScan());
  EXPECT_TRUE(e.items.Empty());
  EXPECT_TRUE(e.prompter.messages.empty());
  EXPECT_TRUE(e.Logged("Items_Found=0 Total=0 Dir=1 Files=0"));
}

// Scans a tree holding one directory its user cannot read; true when the readable file alone
// was found and nothing was said.
bool ScanPassesOverUnreadable(const test::TempTree& t, unsigned workers) {
  Engine e(t.Root(), workers);
  e.engine.StartScan();
  return e.Files() == std::vector<std::string>{t.Path("open/a.txt")} && e.prompter.messages.empty();
}

TEST_P(ScanEngineTest, UnreadableDirectoryIsPassedOver) {
  test::TempTree t;
  t.File("open/a.txt");
  t.File("closed/b.txt");
  ::chmod(t.Path("closed").c_str(), 0);
  if (::geteuid() != 0) {
    EXPECT_TRUE(ScanPassesOverUnreadable(t, GetParam()));
    return;
  }
  // Root reads everything: scan as an unprivileged user in a child process.
  ::chmod(t.Root().c_str(), 0755);
  ::chmod(t.Path("open").c_str(), 0755);
  ::chmod(t.Path("open/a.txt").c_str(), 0644);
  GTEST_FLAG_SET(death_test_style, "fast");
  EXPECT_EXIT(
      {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) std::_Exit(2);
        std::_Exit(ScanPassesOverUnreadable(t, GetParam()) ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST_P(ScanEngineTest, LinkLoopsAreNotFollowedButOtherLinksAre) {
  test::TempTree t;
  t.File("a/file.txt");
  t.Link("a/loop", "..");
  t.File("c/other.txt");
  t.Link("b/to_c", "../c");
  Engine e(t.Root(), GetParam());
  ASSERT_TRUE(e.engine.StartScan());
  EXPECT_EQ(e.Files(), (std::vector<std::string>{t.Path("a/file.txt"), t.Path("b/to_c/other.txt"),
                                                 t.Path("c/other.txt")}));
}

TEST_P(ScanEngineTest, NonUtf8NameRoundTripsToAnExistingFile) {
  test::TempTree t;
  const std::string name = "caf\xe9\xff.txt";
  t.File(name, 3);
  Engine e(t.Root(), GetParam());
  ASSERT_TRUE(e.engine.StartScan());
  ASSERT_EQ(e.items.Count(), 1u);
  const std::string path = e.Files()[0];
  EXPECT_EQ(path, t.Path(name));
  EXPECT_TRUE(FileExists(path));
  EXPECT_EQ(GetItemListFields(e.items, 0).Size, "3");
}

TEST_P(ScanEngineTest, PathsBeyondPathMaxAreWalked) {
  test::TempTree t;
  // 100 levels of 60 characters: about 6,100 bytes, past PATH_MAX.
  const std::string level(60, 'd');
  int fd = ::open(t.Root().c_str(), O_RDONLY | O_DIRECTORY);
  ASSERT_GE(fd, 0);
  for (int i = 0; i < 100; ++i) {
    ASSERT_EQ(::mkdirat(fd, level.c_str(), 0755), 0);
    const int next = ::openat(fd, level.c_str(), O_RDONLY | O_DIRECTORY);
    ::close(fd);
    ASSERT_GE(next, 0);
    fd = next;
  }
  const int file = ::openat(fd, "deep.txt", O_CREAT | O_WRONLY, 0644);
  ASSERT_GE(file, 0);
  ::close(file);
  ::close(fd);

  Engine e(t.Root(), GetParam());
  ASSERT_TRUE(e.engine.StartScan());
  ASSERT_EQ(e.items.Count(), 1u);
  EXPECT_GT(e.Files()[0].size(), 6000u);
  EXPECT_EQ(NamePart(e.Files()[0]), "deep.txt");
  // Clean up the deep tree from the bottom, since paths this long cannot be removed by name.
  std::function<void(int)> remove_below = [&](int dir) {
    const int child = ::openat(dir, level.c_str(), O_RDONLY | O_DIRECTORY);
    if (child >= 0) {
      remove_below(child);
      ::close(child);
      ::unlinkat(dir, level.c_str(), AT_REMOVEDIR);
    }
    ::unlinkat(dir, "deep.txt", 0);
  };
  const int root = ::open(t.Root().c_str(), O_RDONLY | O_DIRECTORY);
  remove_below(root);
  ::close(root);
}

class CancellingOutput final : public ScanOutput {
 public:
  int init_result = 3;
  int closes = 0;
  int Init() override { return init_result; }
  int Write(const ItemFields&) override { return 1; }
  int Close() override { return ++closes, 1; }
};

TEST_P(ScanEngineTest, ScanToFileCancelledLeavesOneLine) {
  test::TempTree t;
  t.File("a.txt");
  Engine e(t.Root(), GetParam());
  CancellingOutput out;
  e.host.output = &out;
  e.state.ScanToFile = true;
  ASSERT_TRUE(e.engine.StartScan());
  ASSERT_EQ(e.items.Count(), 1u);
  EXPECT_EQ(e.items.Line(0), "Scan cancelled");
  EXPECT_EQ(e.LogTexts().back(), "Scan=cancelled");

  out.init_result = 1;
  ASSERT_TRUE(e.engine.StartScan());
  EXPECT_TRUE(e.items.Empty());
  EXPECT_EQ(out.closes, 1);
  EXPECT_TRUE(e.Logged("Scan_to_file=Yes"));
  EXPECT_EQ(e.LogTexts().back(), "Saved_Items=1");
}

// The walk a single-threaded reader makes: every entry in the order readdir gives, each
// sub-directory (links followed) walked right after its own line unless excluded.
void ReferenceWalk(const std::string& dir, const std::string& excluded,
                   std::vector<std::string>& out) {
  DIR* d = ::opendir(dir.c_str());
  ASSERT_NE(d, nullptr);
  while (const dirent* e = ::readdir(d)) {
    const std::string name = e->d_name;
    if (name == "." || name == "..") continue;
    out.push_back(dir + name);
    struct stat st {};
    if (::stat((dir + name).c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
        dir + name + "/" != excluded) {
      ReferenceWalk(dir + name + "/", excluded, out);
    }
  }
  ::closedir(d);
}

TEST_P(ScanEngineTest, ReadingAheadKeepsTheWalkOrder) {
  test::TempTree t;
  // Wide and deep enough that reads run ahead of the walk and are passed over.
  for (int i = 0; i < 12; ++i) {
    const std::string d = "d" + std::to_string(i) + "/";
    t.File(d + "f.txt", static_cast<std::size_t>(i));
    for (int j = 0; j < 6; ++j) t.File(d + "s" + std::to_string(j) + "/deep/g.txt");
  }
  t.Link("d3/to_d5", "../d5");
  const std::string excluded = t.Path("d7/s2/");
  std::vector<std::string> expected;
  ReferenceWalk(t.Root(), excluded, expected);
  ASSERT_GT(expected.size(), 200u);

  Engine e(t.Root(), GetParam());
  e.state.SortOutput = ItemOrder::kArrival;
  e.items.SetSorted(false);
  e.criteria.incl_dir_names = true;
  e.exclude.entries.push_back({excluded, true, true});
  ASSERT_TRUE(e.engine.StartScan());
  EXPECT_EQ(e.Files(), expected);
  // A second run of the same engine walks the same way.
  ASSERT_TRUE(e.engine.StartScan());
  EXPECT_EQ(e.Files(), expected);
  // Metadata read on the workers lands on the right lines.
  for (int i = 0; i < 12; ++i) {
    const std::string path = t.Path("d" + std::to_string(i) + "/f.txt");
    const auto at = std::find(expected.begin(), expected.end(), path) - expected.begin();
    EXPECT_EQ(GetItemListFields(e.items, static_cast<std::size_t>(at)).Size, std::to_string(i));
  }
}

}  // namespace
}  // namespace krellix
