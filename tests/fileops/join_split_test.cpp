#include "fileops/join_split.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "output/output_dialogs.h"
#include "platform/scripted_prompter.h"
#include "support/child_process.h"
#include "support/temp_tree.h"

namespace krellix {
namespace {

namespace fs = std::filesystem;

// Records the counters and pieces; Cancel is pressed when `cancel_after_counts` updates have
// been shown (never when negative). The clock moves on by `step_ms` at every look.
struct Rig final : JoinSplitProgress, SavingFileQuestion {
  ScriptedPrompter prompter;
  std::vector<JoinSplitCounts> shown;
  std::vector<std::string> pieces;
  std::vector<std::string> asked;
  SaveMode answer = SaveMode::kReplace;
  int cancel_after_counts = -1;
  std::int64_t clock = 0;
  std::int64_t step_ms = 1000;
  JoinSplitEnv env{prompter, *this, [this] { return clock += step_ms; }};

  void ShowCounts(const JoinSplitCounts& c) override { shown.push_back(c); }
  void PieceWritten(const std::string& name) override { pieces.push_back(name); }
  bool CancelRequested() override {
    return cancel_after_counts >= 0 && static_cast<int>(shown.size()) >= cancel_after_counts;
  }
  SaveMode AskSavingFile(const std::string& path) override {
    asked.push_back(path);
    return answer;
  }
  std::string LastMessage() const {
    return prompter.messages.empty() ? "" : prompter.messages.back().text;
  }
};

std::string RandomBytes(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::string s(size, '\0');
  for (char& ch : s) ch = static_cast<char>(random());
  return s;
}

std::string Write(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

std::vector<std::uintmax_t> Sizes(const std::vector<std::string>& paths) {
  std::vector<std::uintmax_t> sizes;
  for (const auto& p : paths) sizes.push_back(fs::file_size(p));
  return sizes;
}

TEST(JoinSplitNamesTest, PiecesAndJoinOutput) {
  EXPECT_EQ(PieceName("/v/film.avi", 1), "/v/film.000001.avi");
  EXPECT_EQ(PieceName("/v/film.avi", 42), "/v/film.000042.avi");
  EXPECT_EQ(PieceName("/data/dump", 2), "/data/dump.000002");
  EXPECT_EQ(PieceName("/a.b/dump", 1), "/a.b/dump.000001");
  EXPECT_EQ(PieceName("/v/film.avi", 1234567), "/v/film.1234567.avi");
  EXPECT_EQ(DefaultJoinName("/p/film.000001.avi"), "/p/film.000001.joined.avi");
  EXPECT_EQ(DefaultJoinName("/p/dump"), "/p/dump.joined");
}

// Pieces of exactly the maximum, the rest in the last; joining them restores the bytes.
TEST(JoinSplitTest, SplitThenJoinRestoresTheFile) {
  test::TempTree t;
  Rig rig;
  const std::string data = RandomBytes(5000, 1);
  const std::string source = Write(t.Path("film.avi"), data);

  const JoinSplitOutcome split = SplitFile(source, "2", rig.env);

  EXPECT_EQ(split.status, JoinSplitStatus::kDone);
  const std::vector<std::string> pieces{t.Path("film.000001.avi"), t.Path("film.000002.avi"),
                                        t.Path("film.000003.avi")};
  EXPECT_EQ(rig.pieces, pieces);
  EXPECT_EQ(Sizes(pieces), (std::vector<std::uintmax_t>{2048, 2048, 904}));
  EXPECT_EQ(split.counts, (JoinSplitCounts{1, 5000, 5000, 3}));
  EXPECT_EQ(rig.shown.back(), split.counts);

  const std::string out = t.Path("film.000001.joined.avi");
  const JoinSplitOutcome join = JoinFiles(pieces, out, rig, rig.env);
  EXPECT_EQ(join.status, JoinSplitStatus::kDone);
  EXPECT_EQ(join.counts, (JoinSplitCounts{3, 5000, 5000, 1}));
  EXPECT_EQ(test::ReadWholeFile(out), data);
  EXPECT_TRUE(rig.asked.empty());
  EXPECT_TRUE(rig.prompter.messages.empty());
}

// An exact multiple ends with an empty piece; an empty file gives one empty piece; existing
// pieces are replaced without a question.
TEST(JoinSplitTest, SplitEdgeSizes) {
  struct Case {
    std::size_t size;
    std::vector<std::uintmax_t> pieces;
  };
  for (const Case& c : {Case{4096, {2048, 2048, 0}}, Case{0, {0}}, Case{100, {100}}}) {
    test::TempTree t;
    Rig rig;
    const std::string source = Write(t.Path("dump"), RandomBytes(c.size, 2));
    Write(t.Path("dump.000001"), "old piece, longer than some");
    const JoinSplitOutcome split = SplitFile(source, "2", rig.env);
    EXPECT_EQ(split.status, JoinSplitStatus::kDone) << c.size;
    EXPECT_EQ(Sizes(rig.pieces), c.pieces) << c.size;
    EXPECT_EQ(rig.pieces.front(), t.Path("dump.000001"));
    EXPECT_TRUE(rig.asked.empty());
  }
}

// A maximum that is not a whole number from 1 on is refused before any file is opened.
TEST(JoinSplitTest, SplitRefusesABadMaximum) {
  for (const std::string text : {"", "abc", "0", "-3", "1.5", "12 "}) {
    test::TempTree t;
    Rig rig;
    const std::string source = t.File("dump", 10);
    EXPECT_EQ(SplitFile(source, text, rig.env).status, JoinSplitStatus::kRefused) << text;
    EXPECT_NE(rig.LastMessage().find("Max. Size (Kb)"), std::string::npos) << text;
    EXPECT_FALSE(fs::exists(t.Path("dump.000001"))) << text;
  }
}

// An input that is the output (by its name or another) refuses the join, once per input.
TEST(JoinSplitTest, JoinNeverWritesOverAnInput) {
  test::TempTree t;
  Rig rig;
  const std::string a = Write(t.Path("a.bin"), "AAA");
  const std::string b = Write(t.Path("b.bin"), "BBB");
  fs::create_symlink(b, t.Path("link.bin"));

  EXPECT_EQ(JoinFiles({a, b}, b, rig, rig.env).status, JoinSplitStatus::kRefused);
  EXPECT_EQ(JoinFiles({a, t.Path("link.bin")}, b, rig, rig.env).status, JoinSplitStatus::kRefused);
  ASSERT_EQ(rig.prompter.messages.size(), 2u);
  EXPECT_EQ(rig.prompter.messages[0].text, "File to join cannot be the same as output file: " + b);
  EXPECT_EQ(rig.prompter.messages[1].kind, MessageKind::kError);
  EXPECT_TRUE(rig.asked.empty());
  EXPECT_EQ(test::ReadWholeFile(b), "BBB");
}

// An existing output is replaced, appended to, or left alone, as the prompt answers.
TEST(JoinSplitTest, JoinAsksBeforeAnExistingOutput) {
  struct Case {
    SaveMode answer;
    std::string expected;
    JoinSplitStatus status;
  };
  for (const Case& c : {Case{SaveMode::kReplace, "ab", JoinSplitStatus::kDone},
                        Case{SaveMode::kAppend, "oldab", JoinSplitStatus::kDone},
                        Case{SaveMode::kCancel, "old", JoinSplitStatus::kRefused}}) {
    test::TempTree t;
    Rig rig;
    rig.answer = c.answer;
    const std::string out = Write(t.Path("out"), "old");
    const JoinSplitOutcome r =
        JoinFiles({Write(t.Path("1"), "a"), Write(t.Path("2"), "b")}, out, rig, rig.env);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(rig.asked, std::vector<std::string>{out});
    EXPECT_EQ(test::ReadWholeFile(out), c.expected);
  }
}

// Cancel, a missing input: the output stays as it was, and the message says so.
TEST(JoinSplitTest, CancelledOrFailedJoinLeavesNoPartialOutput) {
  test::TempTree t;
  const std::string a = Write(t.Path("a"), RandomBytes(3 << 20, 3));
  const std::string out = t.Path("out");
  {
    Rig rig;
    rig.cancel_after_counts = 1;
    const JoinSplitOutcome r = JoinFiles({a, a}, out, rig, rig.env);
    EXPECT_EQ(r.status, JoinSplitStatus::kCancelled);
    EXPECT_EQ(r.counts.files_read, 1);
    EXPECT_EQ(rig.LastMessage(), "Join cancelled; " + out + " was left as it was.");
  }
  {
    Rig rig;
    const JoinSplitOutcome r = JoinFiles({a, t.Path("gone")}, out, rig, rig.env);
    EXPECT_EQ(r.status, JoinSplitStatus::kFailed);
    EXPECT_EQ(rig.LastMessage(), "No longer there (No such file or directory): " + t.Path("gone") +
                                     "\nThe join stopped; " + out + " was left as it was.");
  }
  EXPECT_EQ(Sizes({t.Root() + "a"}), std::vector<std::uintmax_t>{3u << 20});
  EXPECT_EQ(std::distance(fs::directory_iterator(t.Root()), fs::directory_iterator()), 1);
}

// A cancelled split keeps the whole pieces it wrote and lists them.
TEST(JoinSplitTest, CancelledSplitListsItsPieces) {
  test::TempTree t;
  Rig rig;
  const std::string source = Write(t.Path("s.bin"), RandomBytes(10 * 1024, 4));
  rig.cancel_after_counts = 2;  // the first counters, then one more update
  const JoinSplitOutcome r = SplitFile(source, "1", rig.env);
  EXPECT_EQ(r.status, JoinSplitStatus::kCancelled);
  EXPECT_EQ(rig.pieces.size(), 1u);
  EXPECT_EQ(Sizes(rig.pieces), std::vector<std::uintmax_t>{1024});
  EXPECT_FALSE(fs::exists(t.Path("s.000002.bin")));
  EXPECT_NE(rig.LastMessage().find("Split cancelled after 1 piece(s)"), std::string::npos);
}

// The counters go out at most every quarter second, and always at the end.
TEST(JoinSplitTest, CountersArePaced) {
  test::TempTree t;
  Rig rig;
  rig.step_ms = 0;  // the clock stands still
  const std::string a = Write(t.Path("a"), RandomBytes(3 << 20, 5));
  const JoinSplitOutcome r = JoinFiles({a, a, a}, t.Path("out"), rig, rig.env);
  EXPECT_EQ(r.status, JoinSplitStatus::kDone);
  ASSERT_EQ(rig.shown.size(), 1u);
  EXPECT_EQ(rig.shown[0], (JoinSplitCounts{3, 9 << 20, 9 << 20, 1}));
  rig.step_ms = 100;
  rig.shown.clear();
  EXPECT_EQ(JoinFiles({a, a, a}, t.Path("out2"), rig, rig.env).status, JoinSplitStatus::kDone);
  // Nine buffers, one clock look each at 100 ms: an update every third, plus the last.
  EXPECT_EQ(rig.shown.size(), 4u);
}

// A full file system: the join leaves no output, the split only whole pieces.
TEST(JoinSplitTest, FullDiskGivesAClearMessage) {
  test::TempTree t;
  const std::string a = Write(t.Path("a"), RandomBytes(200 * 1024, 6));
  const std::string mount = t.Dir("small");
  const int code = test::WithTmpfs(mount, "128k", [&] {
    Rig rig;
    const std::string out = mount + "/out";
    if (JoinFiles({a}, out, rig, rig.env).status != JoinSplitStatus::kFailed) return 1;
    if (rig.LastMessage().rfind("No space left on device: " + out, 0) != 0) return 2;
    if (!fs::is_empty(mount)) return 3;
    const std::string source = Write(mount + "/s", RandomBytes(80 * 1024, 7));
    if (SplitFile(source, "40", rig.env).status != JoinSplitStatus::kFailed) return 4;
    if (rig.LastMessage().find("No space left on device") == std::string::npos) return 5;
    if (rig.pieces != std::vector<std::string>{mount + "/s.000001"}) return 6;
    if (fs::file_size(mount + "/s.000001") != 40 * 1024) return 7;
    return std::distance(fs::directory_iterator(mount), fs::directory_iterator()) == 2 ? 0 : 8;
  });
  if (code == test::kCannotSetUp) GTEST_SKIP() << "no tmpfs can be mounted here";
  EXPECT_EQ(code, 0);
}

// An output in a folder the user may not write to cannot be opened.
TEST(JoinSplitTest, ReadOnlyFolderRefusesTheOutput) {
  test::TempTree t;
  const std::string a = Write(t.Path("a"), "abc");
  t.Dir("locked");
  ::chmod(t.Root().c_str(), 0755);
  ::chmod(a.c_str(), 0644);
  ::chmod(t.Path("locked").c_str(), 0555);
  const int code = test::AsNormalUser([&] {
    Rig rig;
    const std::string out = t.Path("locked/out");
    if (JoinFiles({a}, out, rig, rig.env).status != JoinSplitStatus::kRefused) return 1;
    return rig.LastMessage() == "Cannot open: " + out + " (Permission denied)" ? 0 : 2;
  });
  if (code == test::kCannotSetUp) GTEST_SKIP() << "cannot run as a normal user";
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(fs::is_empty(t.Path("locked")));
}

}  // namespace
}  // namespace krellix
