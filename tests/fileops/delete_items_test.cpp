#include "fileops/delete_items.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/file_system.h"
#include "support/file_ops_rig.h"
#include "support/temp_trash.h"
#include "support/temp_tree.h"

namespace krellix {
namespace {

namespace fs = std::filesystem;

[[maybe_unused]] const auto* const kTrash =
    ::testing::AddGlobalTestEnvironment(new test::TempTrashHome);

// Purge asks in reverse list order, by "Confirm Purge file" for files and folders alike; a No
// keeps the line; the unselected line after the current one becomes current.
TEST(DeleteSelectedItemsTest, PurgeAsksLastFirstAndKeepsDeclinedLines) {
  test::TempTree t;
  test::FileOpsRig rig;
  rig.Add(t.File("a.txt", 1), false, true);
  t.File("b/inner.txt", 1);
  rig.Add(t.Path("b"), true, true);
  rig.Add(t.File("c.txt", 1), false, true);
  rig.Add(t.File("d.txt", 1), false, false);
  rig.items.SetCurrent(1);
  rig.confirm.delete_directory = false;  // plays no part in a purge
  rig.prompter.answers = {Answer::kYes, Answer::kNo, Answer::kYes};

  DeleteSelectedItems(rig.ctx, DeleteMode::kPurge);

  EXPECT_EQ(rig.prompter.questions, (std::vector<std::string>{"Purge " + t.Path("c.txt") + " ? ",
                                                              "Purge " + t.Path("b") + " ? ",
                                                              "Purge " + t.Path("a.txt") + " ? "}));
  EXPECT_FALSE(fs::exists(t.Path("a.txt")));
  EXPECT_TRUE(fs::exists(t.Path("b/inner.txt")));
  EXPECT_FALSE(fs::exists(t.Path("c.txt")));
  EXPECT_EQ(rig.Names(), (std::vector<std::string>{"b", "d.txt"}));
  // Line 3 (d.txt) less three selected lines: line 0, the declined folder.
  EXPECT_EQ(rig.items.Current(), 0);
  EXPECT_TRUE(rig.items.Selected(0));
  const auto log = rig.LogTexts();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[0], "Deleted=" + t.Path("c.txt"));
  EXPECT_EQ(log[1], "Deleted=" + t.Path("a.txt"));
  EXPECT_TRUE(test::IsSummary(log[2], "Delete_count=2 Total=3")) << log[2];
  EXPECT_EQ(rig.host.statuses.back(), log[2]);
  EXPECT_EQ(rig.host.events, (std::vector<std::string>{"stop-preview", "busy", "refresh",
                                                       "clear-rename", "idle", "preview"}));
}

// Delete mode asks by kind: a No for a file does not stop an unconfirmed folder; removed items
// are in the Trash.
TEST(DeleteSelectedItemsTest, DeleteAsksByKindAndFillsTheTrash) {
  test::TempTree t;
  test::FileOpsRig rig;
  rig.Add(t.Dir("folder"), true, true);
  rig.Add(t.File("keep.txt", 1), false, true);
  rig.Add(t.File("z.txt", 2), false, true);
  rig.confirm.delete_directory = false;
  rig.prompter.answers = {Answer::kYes, Answer::kNo};

  DeleteSelectedItems(rig.ctx, DeleteMode::kDelete);

  EXPECT_EQ(rig.prompter.questions,
            (std::vector<std::string>{"Delete " + t.Path("z.txt") + " ? ",
                                      "Delete " + t.Path("keep.txt") + " ? "}));
  EXPECT_EQ(rig.Names(), std::vector<std::string>{"keep.txt"});
  EXPECT_TRUE(fs::exists(t.Path("keep.txt")));
  EXPECT_TRUE(fs::is_directory(test::TempTrashHome::TrashDir() + "files/folder"));
  EXPECT_EQ(fs::file_size(test::TempTrashHome::TrashDir() + "files/z.txt"), 2u);
  EXPECT_TRUE(test::IsSummary(rig.LogTexts().back(), "Delete_count=2 Total=3"));
}

// A failure shows its reason and asks; Yes to all silences both for the rest of the run.
TEST(DeleteSelectedItemsTest, FailuresAskUntilYesToAll) {
  test::TempTree t;
  test::FileOpsRig rig;
  for (const char* name : {"gone1", "gone2", "gone3"}) rig.Add(t.Path(name), false, true);
  rig.confirm.purge_file = false;
  rig.prompter.answers = {Answer::kYes, Answer::kYesToAll};

  DeleteSelectedItems(rig.ctx, DeleteMode::kPurge);

  const std::string tail = "\r\ncontinue with next items (Yes) or Cancel?";
  EXPECT_EQ(rig.prompter.questions,
            (std::vector<std::string>{"Delete failed for " + t.Path("gone3") + tail,
                                      "Delete failed for " + t.Path("gone2") + tail}));
  ASSERT_EQ(rig.prompter.messages.size(), 2u);
  EXPECT_EQ(rig.prompter.messages[0].text,
            "No longer there (No such file or directory): " + t.Path("gone3"));
  const auto log = rig.LogTexts();
  ASSERT_EQ(log.size(), 4u);
  EXPECT_EQ(log[2], "Delete_Failed=" + t.Path("gone1"));
  EXPECT_TRUE(test::IsSummary(log[3], "Delete_count=0 Total=3"));
  EXPECT_EQ(rig.items.Count(), 3u);
}

TEST(DeleteSelectedItemsTest, EmptyListAndNoSelection) {
  test::FileOpsRig rig;
  DeleteSelectedItems(rig.ctx, DeleteMode::kDelete);
  ASSERT_EQ(rig.prompter.messages.size(), 1u);
  EXPECT_EQ(rig.prompter.messages[0].text, "Cannot delete from empty item list.");
  EXPECT_TRUE(rig.log.Lines().empty());

  rig.Add("/no/such/file", false, false);
  DeleteSelectedItems(rig.ctx, DeleteMode::kDelete);
  EXPECT_EQ(rig.prompter.messages.back().text, "No items selected to delete");
  ASSERT_EQ(rig.log.Lines().size(), 1u);
  EXPECT_TRUE(test::IsSummary(rig.LogTexts()[0], "Delete_count=0 Total=0"));
  EXPECT_EQ(rig.items.Count(), 1u);
}

// "Delete directory" on an ancestor of the open directory: the tree first opens the
// ancestor's parent, then the ancestor goes to the Trash.
TEST(DeleteDirectoryFromTreeTest, LeavesTheDoomedDirectoryFirst) {
  test::TempTree t;
  const std::string cwd = CurrentDirectory();
  const std::string doomed = t.Dir("up/doomed");
  const std::string open = t.Dir("up/doomed/open/deeper");
  test::FileOpsRig rig;
  rig.prompter.answers = {Answer::kYes};

  DeleteDirectoryFromTree(rig.ctx, open, doomed);

  EXPECT_EQ(rig.prompter.questions, std::vector<std::string>{"Delete " + doomed + " ? "});
  EXPECT_EQ(rig.host.events, (std::vector<std::string>{
                                 "open " + fs::canonical(t.Path("up")).string() + "/", "refresh"}));
  EXPECT_FALSE(fs::exists(doomed));
  EXPECT_EQ(rig.LogTexts(), std::vector<std::string>{"Delete_directory=" + doomed});

  // An open directory that cannot be entered stops it before anything is asked.
  DeleteDirectoryFromTree(rig.ctx, t.Path("missing"), t.Path("up"));
  EXPECT_EQ(rig.prompter.messages.back().text, "Delete directory failed: " + t.Path("up"));
  EXPECT_TRUE(fs::exists(t.Path("up")));
  SetCurrentDirectory(cwd);
}

}  // namespace
}  // namespace krellix
