#include "launch/play_run.h"

#include "base/activity_log.h"
#include "itemlist/item_list.h"
#include "launch/launch_items.h"
#include "platform/prompter.h"
#include "scan/scan_state.h"

namespace krellix {

PlayCounts PlaySelectedItems(ItemList& items, ScanState& state, PlayHost& host, Prompter& prompter,
                             ActivityLog& log) {
  PlayCounts counts;
  if (items.Empty()) {
    prompter.ShowMessage(MessageKind::kInformation, "Cannot play from empty item list");
    return counts;
  }
  state.CancelStopEsc = false;
  host.StopPreview();
  if (items.SelectedCount() == 0) {
    prompter.ShowMessage(MessageKind::kInformation, "No items selected to play");
  } else {
    host.BeginPlayRun();
    for (std::size_t i = 0; i < items.Count(); ++i) {
      if (state.CancelStopEsc || !items.Selected(i)) continue;
      ++counts.total;
      // A line that names no file has no extension to play.
      if (!items.IsItem(i)) continue;
      const std::string name = GetItemListFilename(items, i);
      if (!IsMediaFile(name)) continue;
      host.PlayFile(name);
      while (host.Playing() && !state.CancelStopEsc) host.ProcessEvents();
      ++counts.played;
      items.SetSelected(i, false);
      host.SelectionChanged(i);
    }
    host.EndPlayRun();
  }
  host.ClearRenameBox();
  host.RestoreCursor();
  const std::string summary =
      "Play_count=" + std::to_string(counts.played) + " Total=" + std::to_string(counts.total);
  host.ShowStatus(summary);
  log.AddLogLine(summary);
  return counts;
}

}  // namespace krellix
