#include "rename/rename_run.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <deque>

#include "base/activity_log.h"
#include "itemlist/item_list.h"
#include "platform/safe_rename.h"
#include "platform/scripted_prompter.h"
#include "support/child_process.h"
#include "support/file_ops_rig.h"
#include "support/temp_tree.h"

namespace krellix {
namespace {

using test::EntriesBelow;
using test::IsSummary;
using test::ReadWholeFile;
using test::TempTree;
using P = RenameParameters;

// The window side of a rename run: the dialog answers come from a queue (nothing = Cancel) and
// set the parameters the test chose; calls are recorded.
class FakeRenameHost final : public RenameHost {
 public:
  std::deque<bool> dialog_answers;
  std::deque<bool> preview_answers;
  std::function<void(P&)> set;
  std::vector<RenamePreviewRows> previews;
  std::vector<P> dialog_opened_with;
  std::vector<std::string> statuses;
  int refreshes = 0;
  int clicks = 0;
  int scroll_width = 0;

  void ShowStatus(const std::string& text) override { statuses.push_back(text); }
  void StopPreview() override {}
  void BeginBusy() override {}
  void EndBusy() override {}
  void ClearRenameBox() override {}
  void RefreshDrivesAndTree() override { ++refreshes; }
  int LineWidth(const std::string& line) override { return static_cast<int>(line.size()); }
  int ItemListWidth() override { return 10; }
  void SetScrollWidth(int width) override { scroll_width = width; }
  bool ShowRenameDialog(P& p) override {
    dialog_opened_with.push_back(p);
    if (dialog_answers.empty()) return false;
    const bool ok = dialog_answers.front();
    dialog_answers.pop_front();
    if (ok && set) set(p);
    return ok;
  }
  bool ShowRenamePreview(const RenamePreviewRows& rows) override {
    previews.push_back(rows);
    if (preview_answers.empty()) return true;
    const bool ok = preview_answers.front();
    preview_answers.pop_front();
    return ok;
  }
  void ClickCurrent() override { ++clicks; }
};

struct RenameRig {
  TempTree tree;
  Clock clock;
  ActivityLog log{clock};
  ItemList items;
  ScanState state;
  ConfirmOptions confirm;
  P params;
  bool remember = false;
  FakeRenameHost host;
  ScriptedPrompter prompter;
  RenameContext ctx{items,    state,
                    confirm,  params,
                    remember, host,
                    prompter, log,
                    clock,    [](const std::string&) { return std::string("*** MD5 failed ***"); }};

  RenameRig() {
    items.SetSorted(false);
    confirm.rename_file = confirm.rename_directory = confirm.preview_rename_file = false;
  }

  // A file holding its own name (or a directory) in the tree, as a selected line.
  std::string Add(const std::string& relative, bool dir = false, bool selected = true) {
    const std::string full = dir ? tree.Dir(relative) : tree.File(relative);
    if (!dir) WriteName(full);
    std::string name = full;
    if (!name.empty() && name.back() == '/') name.pop_back();
    const std::size_t slash = name.rfind('/');
    items.AddItem(ItemFields{dir ? "." : ":", "", name.substr(0, slash + 1), name.substr(slash + 1),
                             "0", "2024-01-01 00:00"},
                  ItemOrder::kPath);
    items.SetSelected(static_cast<std::size_t>(items.LastAddedIndex()), selected);
    return name;
  }
  static void WriteName(const std::string& full) {
    FILE* f = std::fopen(full.c_str(), "w");
    std::fputs(full.substr(full.rfind('/') + 1).c_str(), f);
    std::fclose(f);
  }
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < items.Count(); ++i) names.emplace_back(items.Fields(i).File);
    return names;
  }
  std::vector<std::string> LogTexts() const {
    std::vector<std::string> texts;
    for (const std::string& line : log.Lines()) texts.push_back(line.substr(20));
    return texts;
  }
  // Runs the command with one OK of the dialog under `set`.
  void RenameWith(std::function<void(P&)> set) {
    host.set = std::move(set);
    host.dialog_answers = {true};
    RenameSelectedItems(ctx);
  }
};

TEST(RenameRun, NumbersAndCaseRenameOnDiskRewriteLinesAndLogEveryRename) {
  RenameRig rig;
  const std::string a = rig.Add("b.txt");
  rig.Add("keep.txt", false, /*selected=*/false);
  const std::string b = rig.Add("a.txt");
  rig.RenameWith([](P& p) {
    p.number = P::NumberPlace::kPrefix;
    p.use_separator = true;
    p.separator = "-";
    p.letter_case = P::Case::kUpper;
  });
  EXPECT_EQ(rig.Files(), (std::vector<std::string>{"001-B.txt", "keep.txt", "002-A.txt"}));
  EXPECT_EQ(EntriesBelow(rig.tree.Root()),
            (std::vector<std::string>{"001-B.txt", "002-A.txt", "keep.txt"}));
  EXPECT_EQ(ReadWholeFile(rig.tree.Path("002-A.txt")), "a.txt");
  const auto log = rig.LogTexts();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[0], "Renamed=" + a + " into=" + rig.tree.Path("001-B.txt"));
  EXPECT_EQ(log[1], "Renamed=" + b + " into=" + rig.tree.Path("002-A.txt"));
  EXPECT_TRUE(IsSummary(log[2], "Rename_count=2 Total=2")) << log[2];
  EXPECT_GT(rig.host.scroll_width, 10);
  EXPECT_TRUE(rig.params.old_text.empty());
}

TEST(RenameRun, CollisionsAreNumberedAndNothingIsReplaced) {
  RenameRig rig;
  rig.confirm.preview_rename_file = true;
  rig.tree.File("report.txt", 3);
  rig.tree.File("report (2).txt", 4);
  rig.Add("one.txt");
  rig.Add("two.txt");
  rig.RenameWith([](P& p) {
    p.old_text = "*.*";
    p.new_text = "report";
  });
  // The preview tests the disk only: both items show the first free name.
  ASSERT_EQ(rig.host.previews.size(), 1u);
  EXPECT_EQ(rig.host.previews[0],
            (RenamePreviewRows{{"one.txt", "report (3).txt"}, {"two.txt", "report (3).txt"}}));
  EXPECT_EQ(rig.Files(), (std::vector<std::string>{"report (3).txt", "report (4).txt"}));
  EXPECT_EQ(ReadWholeFile(rig.tree.Path("report.txt")).size(), 3u);
  EXPECT_EQ(ReadWholeFile(rig.tree.Path("report (2).txt")).size(), 4u);
  EXPECT_EQ(ReadWholeFile(rig.tree.Path("report (4).txt")), "two.txt");
}

TEST(RenameRun, ADirectoryInTheWayIsAFailureNotAReplacement) {
  RenameRig rig;
  rig.tree.File("taken/inside.txt", 5);
  const std::string from = rig.Add("x.txt");
  rig.Add("y.txt");
  rig.prompter.answers = {Answer::kYesToAll};
  rig.RenameWith([](P& p) {
    p.old_text = "*.*";
    p.new_text = "taken";
    p.extension = P::Extension::kDelete;
  });
  EXPECT_EQ(EntriesBelow(rig.tree.Root()),
            (std::vector<std::string>{"taken", "taken/inside.txt", "x.txt", "y.txt"}));
  EXPECT_EQ(rig.Files(), (std::vector<std::string>{"x.txt", "y.txt"}));
  // One question after the first failure; Yes to all keeps the second quiet.
  ASSERT_EQ(rig.prompter.questions.size(), 1u);
  EXPECT_EQ(rig.prompter.questions[0],
            "Rename failed for " + from + "\r\ncontinue with next items (Yes) or Cancel?");
  EXPECT_EQ(rig.prompter.messages.size(), 1u);  // the reason, shown once
  const auto log = rig.LogTexts();
  EXPECT_EQ(log[0], "Rename_Failed=" + from + " into=" + rig.tree.Path("taken"));
  EXPECT_TRUE(IsSummary(log.back(), "Rename_count=0 Total=2"));
}

TEST(RenameRun, TwoItemsSwappingNamesLoseNothingInEitherOrder) {
  for (const bool ab_first : {true, false}) {
    RenameRig rig;
    // "ab" becomes "ba" while "ba" becomes "ab".
    rig.Add(ab_first ? "ab" : "ba");
    rig.Add(ab_first ? "ba" : "ab");
    rig.RenameWith([](P& p) {
      p.tab = P::EditTab::kSwap;
      p.swap = P::Swap::kFirst;
      p.swap_count = "1";
    });
    const auto entries = EntriesBelow(rig.tree.Root());
    ASSERT_EQ(entries.size(), 2u);
    // The first one met finds its new name taken and gets " (2)"; the second then takes the
    // name the first gave up.
    const std::string first = ab_first ? "ab" : "ba";
    const std::string second = ab_first ? "ba" : "ab";
    EXPECT_EQ(ReadWholeFile(rig.tree.Path(second + " (2)")), first);
    EXPECT_EQ(ReadWholeFile(rig.tree.Path(first)), second);
    EXPECT_EQ(rig.LogTexts().size(), 3u);
  }
}

TEST(RenameRun, AnswerNoSkipsTheItemAndItsNumber) {
  RenameRig rig;
  rig.confirm.rename_file = true;
  for (const char* name : {"a.txt", "b.txt", "c.txt"}) rig.Add(name);
  rig.prompter.answers = {Answer::kYes, Answer::kNo, Answer::kYes};
  rig.RenameWith([](P& p) { p.number = P::NumberPlace::kPrefix; });
  EXPECT_EQ(rig.Files(), (std::vector<std::string>{"001a.txt", "b.txt", "002c.txt"}));
  EXPECT_EQ(rig.prompter.questions[0],
            "Rename " + rig.tree.Path("a.txt") + " into \r\n" + rig.tree.Path("001a.txt") + " ? ");
}

TEST(RenameRun, CancelledPreviewReopensTheDialogAndASecondCancelEnds) {
  RenameRig rig;
  rig.confirm.preview_rename_file = true;
  rig.Add("a.txt");
  rig.Add("b.txt");
  rig.host.set = [](P& p) { p.prefix = "x"; };
  rig.host.dialog_answers = {true, false};
  rig.host.preview_answers = {false};
  RenameSelectedItems(rig.ctx);
  EXPECT_EQ(rig.host.dialog_opened_with.size(), 2u);
  EXPECT_EQ(EntriesBelow(rig.tree.Root()), (std::vector<std::string>{"a.txt", "b.txt"}));
  EXPECT_EQ(rig.LogTexts(), (std::vector<std::string>{"Rename_count=0 Total=2 Time=00:00:00:000"}));
}

TEST(RenameRun, OneSelectedItemFillsOldAndNewAndRememberKeepsThem) {
  RenameRig rig;
  rig.Add("a.txt", false, false);
  rig.Add("b.txt");
  rig.remember = true;
  rig.host.dialog_answers = {false};
  RenameSelectedItems(rig.ctx);
  ASSERT_EQ(rig.host.dialog_opened_with.size(), 1u);
  EXPECT_EQ(rig.host.dialog_opened_with[0].old_text, "b.txt");
  EXPECT_EQ(rig.host.dialog_opened_with[0].new_text, "b.txt");
  EXPECT_EQ(rig.params.old_text, "b.txt");
}

TEST(RenameRun, EmptyListAndNoSelectionAreTold) {
  RenameRig rig;
  RenameSelectedItems(rig.ctx);
  EXPECT_EQ(rig.prompter.messages.at(0).text, "Cannot rename from empty item list.");
  EXPECT_TRUE(rig.LogTexts().empty());
  rig.Add("a.txt", false, false);
  RenameSelectedItems(rig.ctx);
  EXPECT_EQ(rig.prompter.messages.at(1).text, "No items selected to rename");
  EXPECT_EQ(rig.LogTexts(), (std::vector<std::string>{"Rename_count=0 Total=0 Time=00:00:00:000"}));
}

TEST(RenameRun, ADirectoryRewritesOnlyItsOwnLineAndRefreshesTheTree) {
  RenameRig rig;
  const std::string dir = rig.Add("old", true);
  rig.Add("old/inner.txt", false, false);
  rig.RenameWith([](P& p) {
    p.old_text = "old";
    p.new_text = "new";
  });
  EXPECT_EQ(rig.Files(), (std::vector<std::string>{"new", "inner.txt"}));
  EXPECT_EQ(std::string(rig.items.Fields(1).Path), dir + "/");
  EXPECT_EQ(ReadWholeFile(rig.tree.Path("new/inner.txt")), "inner.txt");
  EXPECT_EQ(rig.host.refreshes, 1);
}

TEST(RenameRun, NamesThatWouldLeaveTheFolderAreRefused) {
  RenameRig rig;
  rig.tree.Dir("sub");
  const std::string from = rig.Add("a.txt");
  rig.prompter.default_answer = Answer::kYes;
  rig.RenameWith([](P& p) {
    p.tab = P::EditTab::kInsert;
    p.insert_text = "sub/";
  });
  // "sub/" inserted at 0 would move the file into "sub"; it stays where it is.
  EXPECT_EQ(EntriesBelow(rig.tree.Root()), (std::vector<std::string>{"a.txt", "sub"}));
  EXPECT_EQ(rig.LogTexts()[0], "Rename_Failed=" + from + " into=" + rig.tree.Path("sub/a.txt"));
}

TEST(RenameRun, RefusedByAReadOnlyFolder) {
  RenameRig rig;
  const std::string from = rig.Add("locked/a.txt");
  rig.Add("locked/b.txt");
  ::chmod(rig.tree.Root().c_str(), 0755);
  ::chmod(rig.tree.Path("locked").c_str(), 0555);
  rig.prompter.answers = {Answer::kCancel};
  const int code = test::AsNormalUser([&] {
    rig.RenameWith([](P& p) { p.prefix = "x"; });
    const auto log = rig.LogTexts();
    // The failure question's Cancel passes over b.txt.
    return rig.prompter.questions.size() == 1 && log.size() == 2 &&
                   log[0] == "Rename_Failed=" + from + " into=" + rig.tree.Path("locked/xa.txt") &&
                   IsSummary(log[1], "Rename_count=0 Total=1")
               ? 0
               : 1;
  });
  if (code == test::kCannotSetUp) GTEST_SKIP() << "cannot run as a normal user";
  EXPECT_EQ(code, 0);
  EXPECT_EQ(EntriesBelow(rig.tree.Path("locked")), (std::vector<std::string>{"a.txt", "b.txt"}));
}

TEST(RenameRun, ACaseOnlyRenameAndAnotherSpellingOfTheSameName) {
  RenameRig rig;
  const std::string from = rig.Add("readme");
  rig.RenameWith([](P& p) { p.letter_case = P::Case::kUpper; });
  EXPECT_EQ(EntriesBelow(rig.tree.Root()), (std::vector<std::string>{"README"}));
  // "./README" reaches the same entry: it is no collision, and the rename steps aside and back.
  const std::string upper = rig.tree.Path("README");
  EXPECT_FALSE(NameTakenByFile(rig.tree.Path("./README"), upper));
  EXPECT_TRUE(RenameItemNoReplace(upper, rig.tree.Path("./README")).Ok());
  EXPECT_EQ(EntriesBelow(rig.tree.Root()), (std::vector<std::string>{"README"}));
  // A hard link is another entry: it is taken.
  ASSERT_EQ(::link(upper.c_str(), rig.tree.Path("other").c_str()), 0);
  EXPECT_TRUE(NameTakenByFile(rig.tree.Path("other"), upper));
}

TEST(RenameRun, PaneRenamesTheCurrentItemAndMovesOn) {
  RenameRig rig;
  const std::string a = rig.Add("a.txt");
  rig.Add("b.txt", false, false);
  rig.items.SetCurrent(1);
  // Not selected: only selected now, nothing renamed or logged.
  EXPECT_FALSE(RenamePaneRename(rig.ctx, "z.txt"));
  EXPECT_TRUE(rig.items.Selected(1));
  EXPECT_TRUE(rig.LogTexts().empty());
  // Unchanged name: a count of 0, and the current item stays.
  EXPECT_FALSE(RenamePaneRename(rig.ctx, "b.txt"));
  EXPECT_EQ(rig.items.Current(), 1);
  EXPECT_EQ(rig.LogTexts(), (std::vector<std::string>{"Rename_count=0"}));
  // The last item renamed: the first becomes current and selected, the renamed one not.
  rig.tree.File("c.txt");
  EXPECT_TRUE(RenamePaneRename(rig.ctx, "c.txt"));
  EXPECT_EQ(rig.Files(), (std::vector<std::string>{"a.txt", "c (2).txt"}));
  EXPECT_EQ(rig.items.Current(), 0);
  EXPECT_FALSE(rig.items.Selected(1));
  EXPECT_TRUE(rig.items.Selected(0));
  EXPECT_EQ(rig.host.clicks, 3);
  EXPECT_EQ(rig.LogTexts().back(), "Rename_count=1");
  (void)a;
}

}  // namespace
}  // namespace krellix
