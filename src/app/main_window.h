#pragma once

#include <QFont>
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/activity_log.h"
#include "base/check_list.h"
#include "base/environment_paths.h"
#include "base/startup_options.h"
#include "information/info_commands.h"
#include "itemlist/item_commands.h"
#include "itemlist/item_list.h"
#include "navigation/address_history.h"
#include "navigation/bookmark_commands.h"
#include "navigation/bookmarks.h"
#include "navigation/list_files.h"
#include "navigation/navigation_commands.h"
#include "navigation/scan_history.h"
#include "output/locale_format.h"
#include "output/log_saver.h"
#include "output/output_commands.h"
#include "output/output_dialogs.h"
#include "platform/clock.h"
#include "platform/prompter.h"
#include "scan/scan_engine.h"
#include "scan/scan_host.h"
#include "scan/scan_state.h"
#include "scan/selection_criteria.h"
#include "settings/app_settings.h"
#include "widgets/command_registry.h"
#include "widgets/tray_icon.h"

class QAction;
class QKeyEvent;
class QLabel;
class QMenu;
class QSplitter;
class QToolBar;

namespace krellix {

class AddressBar;
class CriteriaPanel;
class ListCommands;
class ProfileFile;
class SettingsCommands;
class BookmarksDialog;
class DirectoryPanel;
class ListPanel;

// The commands of the menus, the tool bar and the context menus.
struct MainActions {
  QAction* scan = nullptr;           // tool bar "Scan" and "File" > "Scan"
  QAction* stop = nullptr;           // tool bar "Stop" (and Esc)
  QAction* dir_all = nullptr;        // tool bar "Dir *.*" (and F3)
  QAction* auto_scan = nullptr;      // pressed (checked) means AutoScan is off
  QAction* tree_scan = nullptr;      // the directory tree's "Scan"
  std::array<QAction*, 5> custom{};  // "Scan string 1" to "Scan string 5"
  QAction* custom_cancel = nullptr;
  QMenu* custom_menu = nullptr;  // the Scan button's context menu

  QMenu* file_menu = nullptr;
  QMenu* edit_menu = nullptr;
  QMenu* view_menu = nullptr;
  QMenu* options_menu = nullptr;
  QMenu* items_menu = nullptr;
  QMenu* bookmarks_menu = nullptr;
  QMenu* help_menu = nullptr;

  QAction* exit = nullptr;
  QAction* cut = nullptr;
  QAction* copy = nullptr;
  QAction* paste = nullptr;
  QAction* show_hints = nullptr;
  QAction* show_rename = nullptr;
  QAction* show_preview = nullptr;
  QAction* reset_window = nullptr;
  QAction* reset_criteria = nullptr;
  QAction* exit_button = nullptr;  // the tool button "Exit (Alt+F4)"
  // "Confirm Delete directory", "Confirm Rename directory", "Confirm Purge file", "Confirm
  // Delete file", "Confirm Rename file", "Preview Rename file", "Confirm Attrib file".
  std::array<QAction*, 7> confirm{};
};

// The main window. It owns the program's run-time state (preferences, criteria, the item list,
// the lists, the log) and is the ScanHost of every scan it starts.
class MainWindow final : public QMainWindow, public ScanHost, public ItemClickSink {
  Q_OBJECT

 public:
  // Builds the window and runs the start-up sequence, including the first scan when AutoScan
  // is on. `args` is the command line with args[0] the program's full path. Questions and
  // messages go to `prompter` when given (tests), else to message boxes.
  // `output_dialogs` stands in for the "Save as..." dialog and the "Saving file" prompt (tests).
  explicit MainWindow(const std::vector<std::string>& args, Prompter* prompter = nullptr,
                      OutputDialogs* output_dialogs = nullptr, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The one entry point for changing the current directory (the tree's directory, where scans
  // start). Setting it to exactly the current text is no change. False when the directory
  // cannot be entered; nothing changes then.
  bool SetTreeDirectory(const std::string& path) {
    return navigation_commands_->SetTreeDirectory(path);
  }
  // As SetTreeDirectory, telling the user "Path not accessible: " when refused.
  bool GotoDirectory(const std::string& path) { return navigation_commands_->GotoDirectory(path); }

  // Resets the run-time state and the selection criteria and goes to the start directory;
  // `create` is true at start-up. AutoScan takes its stored value at the end.
  void SetDefaults(bool create, const std::string& file_name);

  // Run-time state, for the commands of other windows and for tests.
  const ActivityLog& Log() const { return log_; }
  ItemList& Items() { return items_; }
  ScanState& State() { return state_; }
  SelectionCriteria& Criteria() { return criteria_; }
  AppSettings& Settings() { return settings_; }
  const EnvironmentPaths& Paths() const { return paths_; }
  const StartupOptions& Startup() const { return startup_; }
  const ScanHistory& History() const { return history_; }
  ScanEngine& Engine() { return engine_; }
  const MainActions& Actions() const { return actions_; }
  // The tray icon's menu: "Restore" and "Exit".
  QMenu* TrayMenu() const { return tray_->Menu(); }
  CriteriaPanel* CriteriaTabs() const { return criteria_panel_; }
  DirectoryPanel* DirectoryTabs() const { return directory_panel_; }
  ListPanel* ListTabs() const { return list_panel_; }
  QString StatusText() const;

  // ScanHost
  void ShowStatus(const std::string& text) override;
  DirPane ActiveDirPane() override;
  std::string TreeDirectory() override { return current_dir_; }
  void AddToHistory(const std::string& scan_text) override;
  void ShowItemsTab() override;
  void ShowLogTab() override;
  void BeginBusy() override;
  void EndBusy() override;
  // The window has no rename pane and no preview player yet, so there is nothing to empty or
  // stop.
  void ClearRenameBox() override {}
  void StopPreview() override {}
  ScanOutput* Output() override;
  int ItemListWidth() override;
  int TextWidth(const std::string& line) override;
  int TextWidthBound(const std::string& line) override;
  void FinishRun(int scroll_width) override;
  void SetScanText(const std::string& text) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate(const std::vector<std::string>& args);
  void CreatePanels();
  void CreateActions();
  void CreateEditActions();
  void CreateViewAndOptionActions();
  // Registers every command under its id; menus, keys and enabling find them there.
  void RegisterCommands();
  void CreateMenus();
  void CreateToolBar();
  void ConnectScanCommands();
  // The output file and log commands.
  void CreateOutputCommands(OutputDialogs* given);
  // The shutdown sequence that runs before the window closes.
  void FormCloseQuery();
  // After saving: the scan string box gets the focus when the Tree and Scan tabs show.
  void FocusScanBoxIfShowing();
  void ConnectDirectoryPane();
  void ApplyScanToFileMode();
  void ApplyPreferences();
  void SetScanCommandsEnabled(bool on);
  // Runs a scan command unless a run is under way (the engine would refuse it anyway).
  void RunScanCommand(const std::function<void()>& command);

  // The key map of the window (key-up events); true when the key was used.
  bool HandleKeyUp(QKeyEvent* key);
  bool ScanBoxHasFocus() const;
  // Registers the commands of the key map that no menu shows.
  void RegisterKeyCommands();
  // The scan string box or the address bar has the focus: keys there type text.
  bool TextEntryHasFocus() const;
  void ResetWindowSize();

  Clock clock_;
  ActivityLog log_{clock_};
  SelectionCriteria criteria_;
  ScanState state_;
  ScanStatistics stats_;
  ItemList items_;
  CheckList include_list_;
  CheckList exclude_list_;
  ScanHistory history_;
  AppSettings settings_;
  EnvironmentPaths paths_;
  StartupOptions startup_;
  bool CloseDown = false;

  std::unique_ptr<Prompter> own_prompter_;
  Prompter& prompter_;
  ScanEngine engine_;

  // Output file: the writer and its dialogs, created before the first scan can need them.
  std::string Header1;
  LocaleFormat locale_;
  OutputCommands* output_commands_ = nullptr;

  // The current directory in tree form.
  std::string current_dir_;
  // A close asked for while a scan runs waits for the run to end.
  bool close_pending_ = false;

  MainActions actions_;
  QToolBar* tool_bar_ = nullptr;
  QSplitter* splitter_ = nullptr;
  CriteriaPanel* criteria_panel_ = nullptr;
  DirectoryPanel* directory_panel_ = nullptr;
  ListPanel* list_panel_ = nullptr;
  QLabel* status_ = nullptr;

  // Navigation and lists
 public:
  const NavigationActions& NavigationCommands() const { return navigation_commands_->Actions(); }
  AddressBar* AddressField() const { return address_bar_; }
  BookmarksDialog* BookmarksWindow() const { return bookmark_commands_->Window(); }

  // The address history, and its restoring by the settings load: `entries` newest first,
  // the position back at 0, `address_text` in the address field.
  const AddressHistory& Addresses() const { return addresses_; }
  void RestoreAddresses(std::vector<std::string> entries, const std::string& address_text) {
    navigation_commands_->RestoreAddresses(std::move(entries), address_text);
  }
  // The address field's text (bytes).
  std::string AddressText() const { return navigation_commands_->AddressText(); }

  // The bookmark list; SetBookmarks replaces it (the settings load) and rebuilds the
  // "&Bookmarks" menu.
  const Bookmarks& BookmarkList() const { return bookmarks_; }
  void SetBookmarks(std::vector<std::string> entries) {
    bookmark_commands_->SetBookmarks(std::move(entries));
  }
  // Adds a directory to the bookmarks: "Bookmark=" + dir (shown and logged), or "Bookmark
  // exists for: " + dir when it is there already.
  void BookmarkDirectory(std::string dir) { bookmark_commands_->BookmarkDirectory(std::move(dir)); }

  CheckList& IncludeList() { return include_list_; }
  CheckList& ExcludeList() { return exclude_list_; }
  const FileList& Files() const { return file_list_; }
  // The include, exclude and file list commands, with the lists' loads and saves.
  ListCommands& Lists() { return *list_commands_; }

 private:
  void CreateNavigationCommands();
  // AutoScan and the focus after every change of directory.
  void AfterDirectoryChange();
  void CreateBookmarkCommands();
  void CreateListCommands();

  AddressHistory addresses_;
  Bookmarks bookmarks_;
  FileList file_list_;
  krellix::NavigationCommands* navigation_commands_ = nullptr;
  CommandRegistry commands_{this};
  AddressBar* address_bar_ = nullptr;
  BookmarkCommands* bookmark_commands_ = nullptr;
  ListCommands* list_commands_ = nullptr;

  // The configuration command and the settings file
 public:
  // "&Configuration", its dialog, and the settings file's reading and writing.
  SettingsCommands& Configuration() { return *settings_commands_; }

 private:
  void CreateSettingsCommands();
  // Shows the scan history in the scan string box, sorted first when ComboSort is on.
  void ShowScanHistory();

  SettingsCommands* settings_commands_ = nullptr;

  TrayIcon* tray_ = nullptr;

  // Item list commands
 public:
  const ItemActions& ItemCommands() const { return item_commands_->Actions(); }
  // The command registered under `id` (a disabled placeholder where none is).
  QAction* Command(const std::string& id) { return commands_.ActionFor(id); }
  // Fills the "Info" tab: the item list's statistics, computed afresh, and the environment.
  void Information2Click() { info_commands_->FillTab(); }

 private:
  void CreateItemCommands();
  // "File info..." and "Drive info...", and the "Info" tab.
  void CreateInfoCommands();
  // The clicked item goes to the rename box and the preview; neither pane exists yet, and the
  // rename and preview work fill these in.
  void FillRenameBox(const std::string& /*full_name*/) override {}
  void ViewFile(const std::string& /*full_name*/, bool /*force_text*/) override {}

  krellix::ItemCommands* item_commands_ = nullptr;
  InfoCommands* info_commands_ = nullptr;
  // The item list font's character advances, for TextWidthBound.
  std::vector<int> advances_;
  QFont advances_font_;
  // The modifiers held as each key went down; the key map acts on key-up with these.
  std::unordered_map<int, Qt::KeyboardModifiers> key_press_modifiers_;
};

}  // namespace krellix
