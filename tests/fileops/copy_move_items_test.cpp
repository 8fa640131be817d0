#include "fileops/copy_move_items.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/child_process.h"
#include "support/file_ops_rig.h"
#include "support/temp_tree.h"

namespace krellix {
namespace {

namespace fs = std::filesystem;

// A dialog that closes with OK holding `values` (the command's title and "Old:"/"New:" kept).
std::function<bool(CopyMoveValues&)> Ok(CopyMoveValues values) {
  return [values](CopyMoveValues& v) {
    RenameDuring rules = values.rules;
    rules.old_text = rules.old_text.empty() ? v.rules.old_text : rules.old_text;
    rules.new_text = rules.new_text.empty() ? v.rules.new_text : rules.new_text;
    const std::string title = v.title;
    v = values;
    v.title = title;
    v.rules = rules;
    return true;
  };
}

// Copy: a collision takes a free name, a folder's entries go into a folder of its name, the
// list stays as it was.
TEST(CopySelectedItemsTest, CopiesFilesAndFolderContents) {
  test::TempTree t;
  test::FileOpsRig rig;
  rig.Add(t.File("src/a.txt", 3), false, true);
  rig.Add(t.File("src/b.txt", 4), false, false);
  t.File("src/Sub/inner/x.txt", 5);
  rig.Add(t.Path("src/Sub"), true, true);
  t.File("dst/a.txt", 9);
  rig.items.SetCurrent(1);
  CopyMoveValues v;
  v.destination = t.Path("dst");  // no trailing "/"
  rig.host.on_dialog = Ok(v);

  CopySelectedItems(rig.ctx);

  ASSERT_EQ(rig.host.dialogs_shown.size(), 1u);
  EXPECT_EQ(rig.host.dialogs_shown[0].title, "Copy");
  EXPECT_EQ(rig.host.dialogs_shown[0].rules.old_text, "b.txt");
  EXPECT_EQ(rig.host.dialogs_shown[0].rules.new_text, "b.txt");
  EXPECT_EQ(fs::file_size(t.Path("dst/a.txt")), 9u);
  EXPECT_EQ(fs::file_size(t.Path("dst/a (2).txt")), 3u);
  EXPECT_EQ(fs::file_size(t.Path("dst/Sub/inner/x.txt")), 5u);
  EXPECT_FALSE(fs::exists(t.Path("dst/b.txt")));
  const auto log = rig.LogTexts();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[0], "Copied=" + t.Path("src/a.txt") + " To=" + t.Path("dst/a (2).txt"));
  EXPECT_EQ(log[1], "Copied=" + t.Path("src/Sub/*") + " To=" + t.Path("dst/Sub"));
  EXPECT_TRUE(test::IsSummary(log[2], "Copy_count=2 Skipped=0 Total=2")) << log[2];
  EXPECT_EQ(rig.Names(), (std::vector<std::string>{"a.txt", "b.txt", "Sub"}));
  EXPECT_EQ(rig.host.events.back(), "refresh");  // a folder was among the items
}

// Skip counts and logs an existing target; replace overwrites one.
TEST(CopySelectedItemsTest, SkipAndReplace) {
  test::TempTree t;
  test::FileOpsRig rig;
  rig.Add(t.File("src/a.txt", 3), false, true);
  rig.Add(t.File("src/new.txt", 3), false, true);
  t.File("dst/a.txt", 9);
  CopyMoveValues v;
  v.destination = t.Path("dst/");
  v.skip = true;
  rig.host.on_dialog = Ok(v);
  CopySelectedItems(rig.ctx);
  EXPECT_EQ(fs::file_size(t.Path("dst/a.txt")), 9u);
  EXPECT_EQ(rig.LogTexts()[0], "Skipped_count=" + t.Path("src/a.txt"));
  EXPECT_TRUE(test::IsSummary(rig.LogTexts().back(), "Copy_count=1 Skipped=1 Total=2"));

  v.skip = false;
  v.replace = true;
  rig.host.on_dialog = Ok(v);
  CopySelectedItems(rig.ctx);
  EXPECT_EQ(fs::file_size(t.Path("dst/a.txt")), 3u);
  EXPECT_FALSE(fs::exists(t.Path("dst/a (2).txt")));
  EXPECT_TRUE(test::IsSummary(rig.LogTexts().back(), "Copy_count=2 Skipped=0 Total=2"));
}

// Numbers go only to items copied: copied, declined, copied give 001, nothing, 002. A folder
// is not asked about while "Confirm Rename directory" is off.
TEST(CopySelectedItemsTest, RenameDuringNumbersOnlyCopies) {
  test::TempTree t;
  test::FileOpsRig rig;
  for (const char* n : {"x.jpg", "y.jpg", "z.jpg"})
    rig.Add(t.File(std::string("s/") + n, 1), false, true);
  t.File("s/D/in.txt", 1);
  rig.Add(t.Path("s/D"), true, true);
  rig.confirm.rename_directory = false;
  rig.prompter.answers = {Answer::kYes, Answer::kNo, Answer::kYes};
  CopyMoveValues v;
  v.destination = t.Path("d");
  v.rename = true;
  v.rules.number = NumberPlace::kPrefix;
  v.rules.use_separator = true;
  v.rules.separator = "_";
  v.start = "1";
  v.zero_fill = "3";
  rig.host.on_dialog = Ok(v);

  CopySelectedItems(rig.ctx);

  EXPECT_EQ(rig.prompter.questions[1], "Copy " + t.Path("s/y.jpg") + " as \r\n002_y.jpg ? ");
  EXPECT_EQ(rig.prompter.questions.size(), 3u);
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(t.Path("d"))) names.push_back(e.path().filename());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"001_x.jpg", "002_z.jpg", "003_D"}));
  EXPECT_TRUE(fs::exists(t.Path("d/003_D/in.txt")));
}

// With the full path, an item's folders are made again below the destination.
TEST(CopySelectedItemsTest, FullPathAndAFolderIntoItself) {
  test::TempTree t;
  test::FileOpsRig rig;
  t.File("A/B/Sub/f.txt", 2);
  rig.Add(t.Path("A/B/Sub"), true, true);
  CopyMoveValues v;
  v.destination = t.Path("T");
  v.full_path = true;
  rig.host.on_dialog = Ok(v);
  CopySelectedItems(rig.ctx);
  EXPECT_TRUE(fs::exists(t.Path("T") + t.Path("A/B/Sub/f.txt")));

  // Into itself: refused with a message, nothing made, the run goes on as the user says.
  v.full_path = false;
  v.destination = t.Path("A/B/Sub/inner");
  rig.host.on_dialog = Ok(v);
  rig.prompter.answers = {Answer::kYes};
  CopySelectedItems(rig.ctx);
  EXPECT_EQ(rig.prompter.messages.back().text,
            "Cannot copy a directory into itself: " + t.Path("A/B/Sub/inner/Sub"));
  EXPECT_EQ(rig.LogTexts()[rig.LogTexts().size() - 2],
            "Copy_Failed=" + t.Path("A/B/Sub/*") + " To=" + t.Path("A/B/Sub/inner/Sub"));
  EXPECT_FALSE(fs::exists(t.Path("A/B/Sub/inner")));
}

// A name too long for the destination fails with a clear message; Cancel passes over the rest.
TEST(CopySelectedItemsTest, FailureCancelStopsTheRun) {
  test::TempTree t;
  test::FileOpsRig rig;
  rig.Add(t.File("s/a.txt", 1), false, true);
  rig.Add(t.File("s/b.txt", 1), false, true);
  CopyMoveValues v;
  v.destination = t.Path("d");
  v.rename = true;
  v.rules.prefix = std::string(300, 'p');
  rig.host.on_dialog = Ok(v);
  rig.confirm.rename_file = false;
  rig.prompter.answers = {Answer::kCancel};

  CopySelectedItems(rig.ctx);

  const std::string target = t.Path("d/" + v.rules.prefix + "a.txt");
  ASSERT_EQ(rig.prompter.questions.size(), 1u);
  EXPECT_EQ(rig.prompter.questions[0], "Copy failed for: " + t.Path("s/a.txt") + "\r\n" + target +
                                           "\r\ncontinue with next items or Cancel?");
  EXPECT_EQ(rig.prompter.messages.back().text, "Name too long for the destination: " + target);
  EXPECT_TRUE(test::IsSummary(rig.LogTexts().back(), "Copy_count=0 Skipped=0 Total=1"));
}

// Stop during a folder's copy: the folder's partial copy goes, the source stays, no more items.
TEST(CopySelectedItemsTest, StopRemovesThePartialCopy) {
  test::TempTree t;
  test::FileOpsRig rig;
  for (const char* n : {"1", "2", "3"}) t.File(std::string("s/D/") + n, 10);
  rig.Add(t.Path("s/D"), true, true);
  rig.Add(t.File("s/later.txt", 1), false, true);
  rig.state.StopIntvl = 1;
  rig.prompter.on_process_events = [&] {
    if (rig.prompter.event_polls == 2) rig.state.CancelStopEsc = true;
  };
  CopyMoveValues v;
  v.destination = t.Path("d");
  rig.host.on_dialog = Ok(v);

  CopySelectedItems(rig.ctx);

  EXPECT_FALSE(fs::exists(t.Path("d")));
  EXPECT_EQ(std::distance(fs::directory_iterator(t.Path("s/D")), fs::directory_iterator()), 3);
  const auto log = rig.LogTexts();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0], "Copy_Stopped=" + t.Path("s/D/*") + " To=" + t.Path("d/D"));
  EXPECT_TRUE(test::IsSummary(log[1], "Copy_count=0 Skipped=0 Total=1"));
  EXPECT_TRUE(rig.prompter.questions.empty());
}

TEST(CopySelectedItemsTest, NothingToCopy) {
  test::FileOpsRig rig;
  CopySelectedItems(rig.ctx);
  EXPECT_EQ(rig.prompter.messages.back().text, "Cannot copy from empty item list");
  EXPECT_TRUE(rig.log.Lines().empty());

  rig.Add("/no/such", false, false);
  MoveSelectedItems(rig.ctx);
  EXPECT_EQ(rig.prompter.messages.back().text, "No items selected to move");
  rig.items.SetSelected(0, true);
  MoveSelectedItems(rig.ctx);  // the dialog is cancelled
  EXPECT_EQ(rig.LogTexts(),
            (std::vector<std::string>{"Move_count=0 Skipped=0 Total=0 Time=00:00:00:000",
                                      "Move_count=0 Skipped=0 Total=0 Time=00:00:00:000"}));
  EXPECT_EQ(rig.items.Count(), 1u);
}

// Move: moved lines leave the list, a failed one stays; a folder's entries move and the
// emptied folder stays on disk; the line after the current one becomes current.
TEST(MoveSelectedItemsTest, MovedLinesLeaveTheList) {
  test::TempTree t;
  test::FileOpsRig rig;
  rig.Add(t.File("s/a.txt", 1), false, true);
  rig.Add(t.Path("s/gone.txt"), false, true);
  t.File("s/D/in.txt", 2);
  rig.Add(t.Path("s/D"), true, true);
  rig.Add(t.File("s/stay.txt", 1), false, false);
  rig.items.SetCurrent(0);
  rig.prompter.answers = {Answer::kYes};
  CopyMoveValues v;
  v.destination = t.Path("d");
  rig.host.on_dialog = Ok(v);

  MoveSelectedItems(rig.ctx);

  EXPECT_EQ(rig.Names(), (std::vector<std::string>{"gone.txt", "stay.txt"}));
  EXPECT_EQ(rig.items.Current(), 0);  // line 3 less three selected
  EXPECT_TRUE(fs::exists(t.Path("d/a.txt")));
  EXPECT_FALSE(fs::exists(t.Path("s/a.txt")));
  EXPECT_TRUE(fs::exists(t.Path("d/D/in.txt")));
  EXPECT_TRUE(fs::is_empty(t.Path("s/D")));
  const auto log = rig.LogTexts();
  ASSERT_EQ(log.size(), 4u);
  EXPECT_EQ(log[0], "Moved=" + t.Path("s/a.txt") + " To=" + t.Path("d/a.txt"));
  EXPECT_EQ(log[1], "Move_Failed=" + t.Path("s/gone.txt") + " To=" + t.Path("d/gone.txt"));
  EXPECT_EQ(rig.prompter.questions[0], "Move failed for " + t.Path("s/gone.txt") + "\r\n" +
                                           t.Path("d/gone.txt") +
                                           "\r\ncontinue with next items (Yes) or Cancel?");
  EXPECT_EQ(log[2], "Moved=" + t.Path("s/D/*") + " To=" + t.Path("d/D"));
  EXPECT_TRUE(test::IsSummary(log[3], "Move_count=2 Skipped=0 Total=3"));
}

// A move to a full file system: the source stays whole, no piece of the copy is left.
TEST(MoveSelectedItemsTest, FullDestinationKeepsTheSource) {
  test::TempTree t;
  test::FileOpsRig rig;
  rig.Add(t.File("s/big.bin", 1 << 20), false, true);
  const std::string mount = t.Dir("small");
  const int code = test::WithTmpfs(mount, "128k", [&] {
    CopyMoveValues v;
    v.destination = mount;
    rig.host.on_dialog = Ok(v);
    rig.prompter.answers = {Answer::kYes};
    MoveSelectedItems(rig.ctx);
    if (fs::file_size(t.Path("s/big.bin")) != (1u << 20)) return 1;
    if (!fs::is_empty(mount)) return 2;
    if (rig.prompter.messages.back().text != "No space left on device: " + mount + "/big.bin") {
      return 3;
    }
    return rig.Names() == std::vector<std::string>{"big.bin"} ? 0 : 4;
  });
  if (code == test::kCannotSetUp) GTEST_SKIP() << "no tmpfs can be mounted here";
  EXPECT_EQ(code, 0);
}

}  // namespace
}  // namespace krellix
