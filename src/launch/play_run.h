#pragma once

#include <string>

namespace krellix {

class ActivityLog;
class ItemList;
class Prompter;
struct ScanState;

// What a "Play" run needs of the window and its media player. Tests implement it with a fake.
class PlayHost {
 public:
  virtual ~PlayHost() = default;

  virtual void ShowStatus(const std::string& text) = 0;
  // Ends media playback and empties the preview pane.
  virtual void StopPreview() = 0;
  // Before the first item: the preview pane opens (its former state remembered), the left
  // panel shows its "Tree" page, the cursor turns busy.
  virtual void BeginPlayRun() = 0;
  // After the last item: the player is closed and the preview pane opens or collapses as it
  // was before the run.
  virtual void EndPlayRun() = 0;
  // The cursor returns to normal (also after a run that played nothing).
  virtual void RestoreCursor() = 0;
  // Empties the rename pane's box and hint.
  virtual void ClearRenameBox() = 0;
  // The preview pane starts playing `full_name`; a file it cannot play ends stopped.
  virtual void PlayFile(const std::string& full_name) = 0;
  // True while the player reports that it is playing.
  virtual bool Playing() = 0;
  // Handles pending user-interface events (Stop, Esc, the play position) once.
  virtual void ProcessEvents() = 0;
  // Line `line` changed its selection.
  virtual void SelectionChanged(std::size_t line) = 0;
};

struct PlayCounts {
  int played = 0;
  int total = 0;
};

// "Play": plays the selected media items one after another, each to its end or until the
// stop request (state.CancelStopEsc) is set; played items are deselected, the others stay
// selected. Ends with "Play_count=" played " Total=" total in the status bar and the log.
// An empty list gives "Cannot play from empty item list" and nothing else; an empty
// selection "No items selected to play".
PlayCounts PlaySelectedItems(ItemList& items, ScanState& state, PlayHost& host, Prompter& prompter,
                             ActivityLog& log);

}  // namespace krellix
