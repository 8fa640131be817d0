#include "navigation/list_file.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/temp_tree.h"

namespace krellix {
namespace {

TEST(MarkLineTest, ReadingTablesAtStartUpAndLoad) {
  struct Row {
    const char* line;
    const char* text;
    bool checked;
    bool enabled_at_start;
    bool enabled_at_load;
  };
  const Row rows[] = {
      {"+/home/a/", "/home/a/", true, true, true},
      {"-/tmp/", "/tmp/", false, true, true},
      {"*/old/", "/old/", false, false, false},
      {"?/data/", "/data/", false, false, true},
      {"|x", "x", false, false, true},
      {"\"x", "x", false, false, true},
      {":x", "x", false, false, true},
      {"\\x", "x", false, false, true},
      // No mark: a path written by hand is taken whole, unchecked and enabled.
      {"/home/user/skip/", "/home/user/skip/", false, true, true},
      {"~/skip/", "~/skip/", false, true, true},
      {"C:\\Data\\", "C:\\Data\\", false, true, true},
      {"", "", false, true, true},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.line);
    const CheckListEntry start = ParseMarkLine(r.line, MarkReading::kStartUp);
    const CheckListEntry load = ParseMarkLine(r.line, MarkReading::kLoad);
    EXPECT_EQ(start.text, r.text);
    EXPECT_EQ(start.checked, r.checked);
    EXPECT_EQ(load.checked, r.checked);
    EXPECT_EQ(start.enabled, r.enabled_at_start);
    EXPECT_EQ(load.enabled, r.enabled_at_load);
  }
}

TEST(ListFileTest, SaveAndReloadKeepsTextAndMarks) {
  test::TempTree t;
  const std::vector<CheckListEntry> entries = {
      {"/home/a/", true, true}, {"/tmp/ x", false, true}, {"/old/\xff", false, false}};
  std::vector<std::string> lines;
  for (const auto& e : entries) lines.push_back(MarkLine(e));
  ASSERT_EQ(WriteTextLines(t.Path("l.txt"), lines, WriteMode::kCreate).step, WriteOutcome::kOk);
  const LinesRead read = ReadTextLines(t.Path("l.txt"));
  ASSERT_TRUE(read.ok);
  ASSERT_EQ(read.lines.size(), entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const CheckListEntry back = ParseMarkLine(read.lines[i], MarkReading::kStartUp);
    EXPECT_EQ(back.text, entries[i].text);
    EXPECT_EQ(back.checked, entries[i].checked);
    EXPECT_EQ(back.enabled, entries[i].enabled);
  }
  ASSERT_EQ(WriteTextLines(t.Path("l.txt"), {"+x"}, WriteMode::kAppend).step, WriteOutcome::kOk);
  EXPECT_EQ(ReadTextLines(t.Path("l.txt")).lines.size(), 4u);
  ASSERT_EQ(WriteTextLines(t.Path("empty.txt"), {}, WriteMode::kReplace).step, WriteOutcome::kOk);
  EXPECT_TRUE(ReadTextLines(t.Path("empty.txt")).lines.empty());
}

TEST(ListFileTest, LineEndsOfEveryKind) {
  test::TempTree t;
  std::ofstream(t.Path("mixed.txt"), std::ios::binary) << "a\r\nb\n\nc";
  const LinesRead read = ReadTextLines(t.Path("mixed.txt"));
  EXPECT_EQ(read.lines, (std::vector<std::string>{"a", "b", "", "c"}));
}

TEST(ListFileTest, FailuresAreReported) {
  test::TempTree t;
  EXPECT_FALSE(ReadTextLines(t.Path("missing.txt")).ok);
  const WriteOutcome missing = WriteTextLines(t.Path("no/such/dir.txt"), {"x"}, WriteMode::kCreate);
  EXPECT_EQ(missing.step, WriteOutcome::kOpenFailed);
  EXPECT_EQ(missing.error.reason, "No such file or directory");
  if (std::ifstream("/dev/full")) {
    const WriteOutcome full =
        WriteTextLines("/dev/full", {std::string(100000, 'x')}, WriteMode::kReplace);
    EXPECT_EQ(full.step, WriteOutcome::kCloseFailed);
    EXPECT_EQ(full.error.reason, "No space left on device");
  }
}

}  // namespace
}  // namespace krellix
