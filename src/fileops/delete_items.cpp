#include "fileops/delete_items.h"

#include <algorithm>

#include "fileops/failure_text.h"
#include "fileops/list_after_removal.h"
#include "itemlist/item_list.h"
#include "platform/file_removal.h"
#include "platform/file_system.h"
#include "platform/wall_time.h"

namespace krellix {
namespace {

// Stands in for a removed item's line until the run takes all such lines out in one pass.
constexpr std::string_view kRemovedMark = ":[--deleted--]";

FileResult Remove(DeleteMode mode, const std::string& name) {
  return mode == DeleteMode::kDelete ? MoveToTrash(name) : PurgePath(name);
}

// Removes the item and logs the outcome; true when it went.
bool RemoveAndLog(FileOpsContext& ctx, DeleteMode mode, const std::string& name, bool err_msg) {
  const FileResult removed = Remove(mode, name);
  if (removed) {
    ctx.log.AddLogLine("Deleted=" + name);
    return true;
  }
  ctx.log.AddLogLine("Delete_Failed=" + name);
  if (err_msg) ctx.prompter.ShowMessage(MessageKind::kError, FailureText(removed.Error()));
  return false;
}

}  // namespace

Answer DeleteFromItemList(FileOpsContext& ctx, DeleteMode mode, int& t, std::int64_t selected_item,
                          const std::string& name, bool err_msg) {
  if (selected_item < 0) return Answer::kNo;
  if (!RemoveAndLog(ctx, mode, name, err_msg)) return Answer::kNo;
  ctx.items.Delete(static_cast<std::size_t>(selected_item));
  ++t;
  return Answer::kYes;
}

void DeleteSelectedItems(FileOpsContext& ctx, DeleteMode mode) {
  ItemList& items = ctx.items;
  if (items.Empty()) {
    ctx.prompter.ShowMessage(MessageKind::kInformation, "Cannot delete from empty item list.");
    return;
  }
  ctx.host.StopPreview();
  const std::int64_t current = CurrentAfterRemoval(items);
  const std::int64_t top = ctx.host.TopLine();
  ctx.host.BeginBusy();
  const std::int64_t start = ctx.clock.SteadyMs();

  int t = 0;
  int total = 0;
  if (items.SelectedCount() == 0) {
    ctx.prompter.ShowMessage(MessageKind::kInformation, "No items selected to delete");
  } else {
    Answer answer = Answer::kYes;
    Answer failure = Answer::kYes;
    bool err_msg = true;
    bool dir_seen = false;
    const int step = std::max(1, ctx.state.StopIntvl);
    int polled = -1;
    // Last line first; a removed line is only marked, so no index moves during the run.
    for (std::size_t i = items.Count(); i-- > 0;) {
      // Once per count reached, not again at every unselected line while the count stands.
      if (total % step == 0 && total != polled) {
        polled = total;
        ctx.host.ShowStatus("Deleted: " + std::to_string(total) + " items.");
        ctx.prompter.ProcessEvents();
      }
      if (answer == Answer::kCancel || failure == Answer::kCancel || !items.Selected(i)) continue;
      ++total;
      const bool is_dir = GetItemListAttr(items, i) == ".";
      dir_seen = dir_seen || is_dir;
      const std::string name = GetItemListFilename(items, i);
      if (mode == DeleteMode::kPurge) {
        if (ctx.confirm.purge_file && answer != Answer::kYesToAll) {
          answer = ctx.prompter.Ask("Purge " + name + " ? ", Buttons::kYesNoCancelAll);
        }
      } else if (answer != Answer::kYesToAll) {
        const bool confirmed = is_dir ? ctx.confirm.delete_directory : ctx.confirm.delete_file;
        answer = confirmed ? ctx.prompter.Ask("Delete " + name + " ? ", Buttons::kYesNoCancelAll)
                           : Answer::kYes;
      }
      if (answer != Answer::kYes && answer != Answer::kYesToAll) continue;
      if (RemoveAndLog(ctx, mode, name, err_msg)) {
        items.SetLine(i, kRemovedMark);
        ++t;
      } else if (failure != Answer::kYesToAll) {
        failure = ctx.prompter.Ask(
            "Delete failed for " + name + "\r\ncontinue with next items (Yes) or Cancel?",
            Buttons::kYesCancelAll);
        if (failure == Answer::kYesToAll) err_msg = false;
      }
    }
    items.DeleteLines(kRemovedMark);
    if (dir_seen) ctx.host.RefreshDrivesAndTree();
    PlaceAfterRemoval(items, ctx.host, top, current);
  }

  if (!items.Empty() && items.Current() >= 0) {
    items.SetSelected(static_cast<std::size_t>(items.Current()), true);
  }
  ctx.host.ClearRenameBox();
  ctx.host.EndBusy();
  const std::string summary = "Delete_count=" + std::to_string(t) +
                              " Total=" + std::to_string(total) +
                              " Time=" + FormatDuration(ctx.clock.SteadyMs() - start);
  ctx.host.ShowStatus(summary);
  ctx.log.AddLogLine(summary);
  if (!items.Empty() && items.Current() >= 0) ctx.host.FollowPreview();
}

bool DeleteDirectory(const std::string& dir, Prompter& prompter) {
  const FileResult removed = MoveToTrash(dir);
  if (!removed) prompter.ShowMessage(MessageKind::kError, FailureText(removed.Error()));
  return removed.Ok();
}

void DeleteDirectoryFromTree(FileOpsContext& ctx, const std::string& tree_dir,
                             const std::string& highlighted) {
  const std::string& t = highlighted;
  if (!SetCurrentDirectory(tree_dir)) {
    ctx.prompter.ShowMessage(MessageKind::kError, "Delete directory failed: " + t);
    return;
  }
  const bool go = !ctx.confirm.delete_directory ||
                  ctx.prompter.Ask("Delete " + t + " ? ", Buttons::kYesNo) == Answer::kYes;
  if (go) {
    // The directory to be removed is never the open one: the tree steps out of it first.
    if (tree_dir.size() > t.size()) SetCurrentDirectory(t);
    if (CurrentDirectory() == WithTrailingDelim(t)) SetCurrentDirectory("..");
    ctx.host.OpenTreeDirectory(CurrentDirectory());
    if (DeleteDirectory(t, ctx.prompter)) {
      ctx.log.AddLogLine("Delete_directory=" + t);
    } else {
      ctx.log.AddLogLine("Delete_directory_failed=" + t);
      ctx.prompter.ShowMessage(MessageKind::kError, "Delete directory failed: " + t);
    }
  }
  ctx.host.RefreshDrivesAndTree();
}

}  // namespace krellix
