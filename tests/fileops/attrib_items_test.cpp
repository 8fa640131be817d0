#include "fileops/attrib_items.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>

#include "support/child_process.h"
#include "support/file_ops_rig.h"
#include "support/temp_tree.h"

namespace krellix {
namespace {

namespace fs = std::filesystem;

unsigned ModeOf(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0u;
}

// The modification time of `path` as local wall time.
CivilDateTime MtimeOf(const std::string& path) {
  struct stat st {};
  ::stat(path.c_str(), &st);
  std::tm tm{};
  localtime_r(&st.st_mtime, &tm);
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, 0};
}

bool SameTime(const CivilDateTime& a, const CivilDateTime& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
         a.minute == b.minute && a.second == b.second;
}

AttribDialog Choose(AttribChoices choices) {
  return [choices] { return std::optional<AttribChoices>(choices); };
}

// Last line first; No skips an item, the unselected line is not visited; read-only takes every
// write bit away; a log line per update and the summary.
TEST(AttribSelectedItemsTest, AsksLastFirstAndSetsReadOnly) {
  test::TempTree t;
  test::FileOpsRig rig;
  for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt"}) {
    rig.Add(t.File(name, 1), false, name[0] != 'd');
    ::chmod(t.Path(name).c_str(), 0664);
  }
  rig.prompter.answers = {Answer::kYes, Answer::kNo, Answer::kYes};
  AttribChoices choices;
  choices.read_only = AttribChoice::kOn;

  AttribSelectedItems(rig.ctx, Choose(choices));

  EXPECT_EQ(rig.prompter.questions,
            (std::vector<std::string>{"Set attributes for " + t.Path("c.txt") + " ? ",
                                      "Set attributes for " + t.Path("b.txt") + " ? ",
                                      "Set attributes for " + t.Path("a.txt") + " ? "}));
  EXPECT_EQ(ModeOf(t.Path("c.txt")), 0444u);
  EXPECT_EQ(ModeOf(t.Path("b.txt")), 0664u);
  EXPECT_EQ(ModeOf(t.Path("a.txt")), 0444u);
  EXPECT_EQ(ModeOf(t.Path("d.txt")), 0664u);
  const auto log = rig.LogTexts();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[0], "Attribute_update=" + t.Path("c.txt"));
  EXPECT_EQ(log[1], "Attribute_update=" + t.Path("a.txt"));
  EXPECT_TRUE(test::IsSummary(log[2], "Attribute_count=2 Total=3")) << log[2];
  EXPECT_EQ(rig.host.statuses.front(), "Attributes updated for: 0 items.");
  EXPECT_EQ(rig.host.statuses.back(), log[2]);
  EXPECT_EQ(rig.host.events,
            (std::vector<std::string>{"stop-preview", "busy", "idle", "clear-rename"}));
  EXPECT_EQ(rig.Names(), (std::vector<std::string>{"a.txt", "b.txt", "c.txt", "d.txt"}));
}

// Read-only off gives the owner write permission back, never group or others; with every
// group at " -" the item is still counted as updated.
TEST(AttribSelectedItemsTest, ReadOnlyOffAndUnchangedChoicesCountAsUpdates) {
  test::TempTree t;
  test::FileOpsRig rig;
  rig.confirm.attrib_file = false;
  rig.Add(t.File("ro.txt", 1), false, true);
  rig.Add(t.File("plain.txt", 1), false, true);
  ::chmod(t.Path("ro.txt").c_str(), 0444);
  ::chmod(t.Path("plain.txt").c_str(), 0640);

  AttribSelectedItems(rig.ctx, Choose({}));
  EXPECT_EQ(ModeOf(t.Path("ro.txt")), 0444u);
  EXPECT_EQ(ModeOf(t.Path("plain.txt")), 0640u);
  EXPECT_TRUE(test::IsSummary(rig.LogTexts().back(), "Attribute_count=2 Total=2"));

  AttribChoices off;
  off.read_only = AttribChoice::kOff;
  const int code = test::InChild([&] {
    ::umask(022);
    AttribSelectedItems(rig.ctx, Choose(off));
    return ModeOf(t.Path("ro.txt")) == 0644u && ModeOf(t.Path("plain.txt")) == 0640u ? 0 : 1;
  });
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(rig.prompter.questions.empty());
}

// The stored time drops an odd second; dates outside 1980 to 2107 and impossible dates fail.
TEST(StoredModifiedTimeTest, EvenSecondsWithinRange) {
  struct Case {
    const char* name;
    CivilDateTime in;
    std::optional<int> second;  // the stored second, nothing when refused
  };
  const Case cases[] = {
      {"odd second", {2001, 2, 3, 10, 15, 37, 0}, 36},
      {"even second", {2001, 2, 3, 10, 15, 36, 0}, 36},
      {"first year", {1980, 1, 1, 0, 0, 1, 0}, 0},
      {"last year", {2107, 12, 31, 23, 59, 59, 0}, 58},
      {"before 1980", {1979, 12, 31, 23, 59, 58, 0}, std::nullopt},
      {"after 2107", {2108, 1, 1, 0, 0, 0, 0}, std::nullopt},
      {"no such day", {2001, 2, 29, 12, 0, 0, 0}, std::nullopt},
  };
  for (const Case& c : cases) {
    const std::optional<CivilDateTime> stored = StoredModifiedTime(c.in);
    ASSERT_EQ(stored.has_value(), c.second.has_value()) << c.name;
    if (stored) {
      EXPECT_EQ(stored->second, *c.second) << c.name;
    }
  }
}

// The date lands on disk with an even second; a directory keeps its new attributes but fails
// on the time, and Yes goes on to the next item.
TEST(AttribSelectedItemsTest, DateOnFilesAndFailureOnDirectories) {
  test::TempTree t;
  test::FileOpsRig rig;
  rig.confirm.attrib_file = false;
  rig.Add(t.File("a.txt", 1), false, true);
  rig.Add(t.Dir("sub"), true, true);
  ::chmod(t.Path("sub").c_str(), 0755);
  AttribChoices choices;
  choices.read_only = AttribChoice::kOn;
  choices.set_date = true;
  choices.date = {2001, 2, 3, 10, 15, 37, 0};

  AttribSelectedItems(rig.ctx, Choose(choices));

  EXPECT_EQ(ModeOf(t.Path("sub")), 0555u);
  ASSERT_EQ(rig.prompter.questions.size(), 1u);
  EXPECT_EQ(rig.prompter.questions[0],
            "Attrib failed for " + t.Path("sub") + "\r\ncontinue with next items (Yes) or Cancel?");
  ASSERT_EQ(rig.prompter.messages.size(), 1u);
  EXPECT_NE(rig.prompter.messages[0].text.find(t.Path("sub")), std::string::npos);
  EXPECT_TRUE(SameTime(MtimeOf(t.Path("a.txt")), {2001, 2, 3, 10, 15, 36, 0}));
  EXPECT_EQ(ModeOf(t.Path("a.txt")), 0444u);
  const auto log = rig.LogTexts();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[0], "Attribute_Failed=" + t.Path("sub"));
  EXPECT_EQ(log[1], "Attribute_update=" + t.Path("a.txt"));
  EXPECT_TRUE(test::IsSummary(log[2], "Attribute_count=1 Total=2"));
}

// As a normal user, read-only on with a date sets the attribute and then fails on the time:
// the file can no longer be opened for writing.
TEST(AttribSelectedItemsTest, ReadOnlyThenDateFailsForANormalUser) {
  test::TempTree t;
  ::chmod(t.Root().c_str(), 0755);
  const std::string file = t.File("mine.txt", 1);
  ::chmod(file.c_str(), 0644);
  if (::chown(file.c_str(), 65534, 65534) != 0 && ::geteuid() == 0) GTEST_SKIP();
  const int code = test::AsNormalUser([&] {
    test::FileOpsRig rig;
    rig.confirm.attrib_file = false;
    rig.Add(file, false, true);
    AttribChoices choices;
    choices.read_only = AttribChoice::kOn;
    choices.set_date = true;
    choices.date = {2001, 2, 3, 10, 15, 36, 0};
    AttribSelectedItems(rig.ctx, Choose(choices));
    if (ModeOf(file) != 0444u) return 1;
    if (MtimeOf(file).year == 2001) return 2;
    if (rig.LogTexts().front() != "Attribute_Failed=" + file) return 3;
    return test::IsSummary(rig.LogTexts().back(), "Attribute_count=0 Total=1") ? 0 : 4;
  });
  if (code == test::kCannotSetUp) GTEST_SKIP() << "cannot switch to a normal user";
  EXPECT_EQ(code, 0);
}

// Hidden renames to and from a leading "." and the line follows; a taken name is refused with
// its reason and the item is left as it was.
TEST(AttribSelectedItemsTest, HiddenRenamesButNeverOverAnExistingName) {
  test::TempTree t;
  test::FileOpsRig rig;
  rig.confirm.attrib_file = false;
  rig.Add(t.File("plain.txt", 3), false, true);
  rig.Add(t.File("taken.txt", 4), false, true);
  t.File(".taken.txt", 5);
  rig.Add(t.Dir("visible"), true, false);
  rig.items.SetCurrent(0);
  rig.prompter.answers = {Answer::kYes};
  AttribChoices hide;
  hide.hidden = AttribChoice::kOn;

  AttribSelectedItems(rig.ctx, Choose(hide));

  EXPECT_TRUE(fs::exists(t.Path(".plain.txt")));
  EXPECT_FALSE(fs::exists(t.Path("plain.txt")));
  EXPECT_EQ(fs::file_size(t.Path("taken.txt")), 4u);
  EXPECT_EQ(fs::file_size(t.Path(".taken.txt")), 5u);
  ASSERT_EQ(rig.prompter.messages.size(), 1u);
  EXPECT_NE(rig.prompter.messages[0].text.find(t.Path(".taken.txt")), std::string::npos);
  EXPECT_EQ(rig.Names(), (std::vector<std::string>{"taken.txt", "visible", ".plain.txt"}));
  EXPECT_TRUE(rig.items.Selected(2));
  EXPECT_EQ(rig.items.Current(), 2);  // still the renamed item
  EXPECT_TRUE(test::IsSummary(rig.LogTexts().back(), "Attribute_count=1 Total=2"));

  AttribChoices show;
  show.hidden = AttribChoice::kOff;
  rig.items.SetAllSelected(false);
  rig.items.SetSelected(2, true);
  AttribSelectedItems(rig.ctx, Choose(show));
  EXPECT_TRUE(fs::exists(t.Path("plain.txt")));
  EXPECT_EQ(rig.Names(), (std::vector<std::string>{"taken.txt", "visible", "plain.txt"}));
}

// The runs that change nothing: an empty list, nothing selected, a cancelled dialog; a vanished
// item fails and Cancel passes over the rest; system and archive are reported as unchanged.
TEST(AttribSelectedItemsTest, EmptyNothingSelectedCancelledAndMissing) {
  test::TempTree t;
  test::FileOpsRig rig;
  int dialogs = 0;
  const AttribDialog cancelled = [&] {
    ++dialogs;
    return std::optional<AttribChoices>();
  };
  AttribSelectedItems(rig.ctx, cancelled);
  EXPECT_EQ(rig.prompter.messages.at(0).text, "Cannot set attributes from empty item list");
  EXPECT_TRUE(rig.log.Lines().empty());

  rig.Add(t.File("a.txt", 1), false, false);
  rig.Add(t.Path("gone.txt"), false, false);
  AttribSelectedItems(rig.ctx, cancelled);
  EXPECT_EQ(rig.prompter.messages.at(1).text, "No items selected to set attributes");
  EXPECT_EQ(rig.LogTexts().back(), "Attribute_count=0 Total=0 Time=00:00:00:000");
  EXPECT_EQ(dialogs, 0);

  rig.items.SetAllSelected(true);
  AttribSelectedItems(rig.ctx, cancelled);
  EXPECT_EQ(dialogs, 1);
  EXPECT_EQ(rig.LogTexts().back(), "Attribute_count=0 Total=0 Time=00:00:00:000");
  EXPECT_TRUE(rig.prompter.questions.empty());

  AttribChoices archive;
  archive.archive = AttribChoice::kOn;
  rig.prompter.answers = {Answer::kYesToAll, Answer::kCancel};
  AttribSelectedItems(rig.ctx, Choose(archive));
  EXPECT_EQ(rig.prompter.questions,
            (std::vector<std::string>{"Set attributes for " + t.Path("gone.txt") + " ? ",
                                      "Attrib failed for " + t.Path("gone.txt") +
                                          "\r\ncontinue with next items (Yes) or Cancel?"}));
  const auto log = rig.LogTexts();
  EXPECT_EQ(log[log.size() - 2], "Attribute_Failed=" + t.Path("gone.txt"));
  EXPECT_TRUE(test::IsSummary(log.back(), "Attribute_count=0 Total=1"));
  // The vanished item never reached system or archive.
  EXPECT_EQ(rig.prompter.messages.size(), 3u);

  rig.items.SetSelected(1, false);
  AttribSelectedItems(rig.ctx, Choose(archive));
  EXPECT_TRUE(test::IsSummary(rig.LogTexts().back(), "Attribute_count=1 Total=1"));
  EXPECT_EQ(rig.prompter.messages.back().text,
            "System and Archive cannot be stored on this file system; they were left unchanged.");
}

}  // namespace
}  // namespace krellix
