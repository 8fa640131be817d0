#pragma once

#include <QObject>
#include <functional>
#include <string>

#include "launch/play_run.h"

class QWidget;

namespace krellix {

class ActivityLog;
class CommandRegistry;
class ItemList;
class ItemListView;
class MediaPlayer;
class Prompter;
struct ScanState;

// "Open", "Open with..." and "Play" of the item list: owns their actions, and is the window
// side of the play run.
class LaunchCommands final : public QObject, public PlayHost {
 public:
  struct Context {
    ItemList& items;
    ScanState& state;  // the stop request that Stop and Esc set
    Prompter& prompter;
    ActivityLog& log;
    // The folder the "Open with..." program picker opens in; it follows the picked program.
    std::string& open_with_dir;
    // Whether the preview pane is open; a play run opens it and puts it back afterwards.
    bool& show_preview;
    MediaPlayer& player;
    ItemListView* view;
    std::function<void(const std::string&)> show_status;
    std::function<void()> clear_rename_box;
    std::function<void()> stop_preview;
    // Opens or collapses the preview pane by show_preview, and shows the left panel's "Tree".
    std::function<void()> set_preview;
    std::function<void()> show_tree_page;
    // The commands that start a run are off while one is under way.
    std::function<void(bool)> enable_run_commands;
    // True while another run polls events: no run starts then.
    std::function<bool()> busy;
    // After every run (a close asked for during it happens now).
    std::function<void()> after_run;
  };

  LaunchCommands(Context context, QObject* parent);

  // Registers "items.open" (Ctrl+O) and "items.open_with" (one selected item) and
  // "items.play" (one or more).
  void Register(CommandRegistry& commands);

  // "Open": the current item with the desktop's default program for its type.
  void Open2Click();
  // "Open with...": a program picked by the user, started with the current item as its one
  // argument.
  void Openwith2Click();
  void PlaySelectedItems();

  // True while a play run is under way.
  bool Running() const { return running_; }

  // PlayHost
  void ShowStatus(const std::string& text) override { ctx_.show_status(text); }
  void StopPreview() override { ctx_.stop_preview(); }
  void BeginPlayRun() override;
  void EndPlayRun() override;
  void RestoreCursor() override;
  void ClearRenameBox() override { ctx_.clear_rename_box(); }
  void PlayFile(const std::string& full_name) override;
  bool Playing() override;
  void ProcessEvents() override;
  void SelectionChanged(std::size_t line) override;

 private:
  Context ctx_;
  bool running_ = false;
  bool busy_cursor_ = false;
  bool remembered_preview_ = false;
};

}  // namespace krellix
