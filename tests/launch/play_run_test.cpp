#include "launch/play_run.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "base/activity_log.h"
#include "itemlist/item_list.h"
#include "platform/clock.h"
#include "platform/scripted_prompter.h"
#include "scan/scan_state.h"
#include "support/item_lines.h"

namespace krellix {
namespace {

// A player whose every file plays for `polls` event polls.
class FakePlayHost final : public PlayHost {
 public:
  int polls = 2;
  std::function<void()> on_poll;
  std::vector<std::string> played;
  std::vector<std::string> calls;
  std::string status;

  void ShowStatus(const std::string& text) override { status = text; }
  void StopPreview() override { calls.push_back("stop_preview"); }
  void BeginPlayRun() override { calls.push_back("begin"); }
  void EndPlayRun() override { calls.push_back("end"); }
  void RestoreCursor() override { calls.push_back("cursor"); }
  void ClearRenameBox() override { calls.push_back("clear_rename"); }
  void PlayFile(const std::string& name) override {
    played.push_back(name);
    left_ = polls;
  }
  bool Playing() override { return left_ > 0; }
  void ProcessEvents() override {
    --left_;
    if (on_poll) on_poll();
  }
  void SelectionChanged(std::size_t /*line*/) override {}

 private:
  int left_ = 0;
};

struct PlayRig {
  ItemList items;
  ScanState state;
  FakePlayHost host;
  ScriptedPrompter prompter;
  Clock clock;
  ActivityLog log{clock};

  std::vector<bool> selected;

  // Lines are added in name order (the list keeps them sorted); their selection is set once
  // all are there.
  void Add(const std::string& name, bool on) {
    test::AddTestLine(items, ": |  | /m/ | " + name + " | 1 | 2024-01-01 10:00",
                      ItemOrder::kArrival);
    selected.push_back(on);
  }
  PlayCounts Run() {
    for (std::size_t i = 0; i < selected.size(); ++i) items.SetSelected(i, selected[i]);
    return PlaySelectedItems(items, state, host, prompter, log);
  }
  std::string LastLog() const { return log.Lines().back().substr(20); }
};

TEST(PlaySelectedItemsTest, PlaysSelectedMediaInOrderAndDeselectsThem) {
  PlayRig rig;
  rig.Add("a song.mp3", true);
  rig.Add("b notes.txt", true);
  rig.Add("c clip.MKV", false);
  rig.Add("d tune.Wav", true);
  rig.state.CancelStopEsc = true;  // a stop left over from an earlier run

  const PlayCounts counts = rig.Run();

  EXPECT_EQ(counts.played, 2);
  EXPECT_EQ(counts.total, 3);
  EXPECT_EQ(rig.host.played, (std::vector<std::string>{"/m/a song.mp3", "/m/d tune.Wav"}));
  EXPECT_FALSE(rig.items.Selected(0));
  EXPECT_TRUE(rig.items.Selected(1));  // not media: stays selected for the next command
  EXPECT_FALSE(rig.items.Selected(2));
  EXPECT_FALSE(rig.items.Selected(3));
  EXPECT_EQ(rig.host.calls,
            (std::vector<std::string>{"stop_preview", "begin", "end", "clear_rename", "cursor"}));
  EXPECT_EQ(rig.host.status, "Play_count=2 Total=3");
  EXPECT_EQ(rig.LastLog(), "Play_count=2 Total=3");
  EXPECT_TRUE(rig.prompter.messages.empty());
}

TEST(PlaySelectedItemsTest, StopEndsTheCurrentItemAndPassesOverTheRest) {
  PlayRig rig;
  rig.Add("a.mp3", true);
  rig.Add("b.mp3", true);
  rig.Add("c.mp3", true);
  rig.host.polls = 1000;
  rig.host.on_poll = [&rig] { rig.state.CancelStopEsc = true; };

  const PlayCounts counts = rig.Run();

  EXPECT_EQ(counts.played, 1);
  EXPECT_EQ(counts.total, 1);
  EXPECT_EQ(rig.host.played.size(), 1u);
  EXPECT_FALSE(rig.items.Selected(0));
  EXPECT_TRUE(rig.items.Selected(1));
  EXPECT_TRUE(rig.items.Selected(2));
  EXPECT_EQ(rig.LastLog(), "Play_count=1 Total=1");
}

TEST(PlaySelectedItemsTest, EmptyListAndEmptySelection) {
  PlayRig empty;
  empty.Run();
  ASSERT_EQ(empty.prompter.messages.size(), 1u);
  EXPECT_EQ(empty.prompter.messages[0].text, "Cannot play from empty item list");
  EXPECT_TRUE(empty.log.Lines().empty());
  EXPECT_TRUE(empty.host.calls.empty());

  PlayRig none;
  none.Add("a.mp3", false);
  none.Run();
  ASSERT_EQ(none.prompter.messages.size(), 1u);
  EXPECT_EQ(none.prompter.messages[0].text, "No items selected to play");
  EXPECT_EQ(none.LastLog(), "Play_count=0 Total=0");
  EXPECT_TRUE(none.host.played.empty());
  EXPECT_EQ(none.host.calls, (std::vector<std::string>{"stop_preview", "clear_rename", "cursor"}));
}

}  // namespace
}  // namespace krellix
