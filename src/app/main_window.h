#pragma once

#include <QMainWindow>
#include <memory>
#include <string>
#include <vector>

#include "app/main_layout.h"
#include "app/window_services.h"
#include "session/session.h"
#include "widgets/command_registry.h"

class QLabel;
class QSplitter;

namespace krellix {

class AddressBar;
class BookmarksDialog;
class BookmarkCommands;
class ChecksumCommands;
class CriteriaPanel;
class DirectoryPanel;
class FileOpCommands;
class FileToolCommands;
class HelpCommands;
class InfoCommands;
class ItemCommands;
class LaunchCommands;
class ListCommands;
class ListPanel;
class RenameCommands;
class PreviewCommands;
class NavigationCommands;
class OutputCommands;
class OutputDialogs;
class PrintCommands;
class Prompter;
class ScanEngine;
class SettingsCommands;
class TrayIcon;
class WindowCommands;
struct ItemActions;
struct NavigationActions;

// The main window. It owns the program's run-time state (the session), its panels, and the
// command groups that act on them; it wires their commands to its menus, tool bar and keys,
// and runs the start-up and close sequences.
class MainWindow final : public QMainWindow {
  Q_OBJECT

 public:
  // Builds the window and runs the start-up sequence, including the first scan when AutoScan
  // is on. `args` is the command line with args[0] the program's full path. Questions and
  // messages go to `prompter` when given (tests), else to message boxes.
  // `output_dialogs` stands in for the "Save as..." dialog and the "Saving file" prompt (tests).
  explicit MainWindow(const std::vector<std::string>& args, Prompter* prompter = nullptr,
                      OutputDialogs* output_dialogs = nullptr, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Resets the run-time state and the selection criteria and goes to the start directory;
  // `create` is true at start-up. AutoScan takes its stored value at the end.
  void SetDefaults(bool create, const std::string& file_name);

  // The one entry point for changing the current directory (the tree's directory, where scans
  // start). False when the directory cannot be entered; nothing changes then.
  bool SetTreeDirectory(const std::string& path);
  // As SetTreeDirectory, telling the user "Path not accessible: " when refused.
  bool GotoDirectory(const std::string& path);

  // The run-time state and the window's parts, for the commands of other windows and tests.
  Session& Data() { return session_; }
  const ActivityLog& Log() const { return session_.log; }
  ItemList& Items() { return session_.items; }
  ScanState& State() { return session_.state; }
  SelectionCriteria& Criteria() { return session_.criteria; }
  AppSettings& Settings() { return session_.settings; }
  const EnvironmentPaths& Paths() const { return session_.paths; }
  const StartupOptions& Startup() const { return session_.startup; }
  const ScanHistory& History() const { return session_.history; }
  const AddressHistory& Addresses() const { return session_.addresses; }
  const Bookmarks& BookmarkList() const { return session_.bookmarks; }
  CheckList& IncludeList() { return session_.include_list; }
  CheckList& ExcludeList() { return session_.exclude_list; }
  const FileList& Files() const { return session_.file_list; }
  ScanEngine& Engine();
  const MainActions& Actions() const { return actions_; }
  WindowServices& Services() { return *services_; }
  CriteriaPanel* CriteriaTabs() const { return criteria_panel_; }
  DirectoryPanel* DirectoryTabs() const { return directory_panel_; }
  ListPanel* ListTabs() const { return list_panel_; }
  AddressBar* AddressField() const { return address_bar_; }
  std::string TreeDirectory() const { return session_.current_dir; }
  void ShowStatus(const std::string& text) { services_->ShowStatus(text); }
  QString StatusText() const;
  // The tray icon's menu: "Restore" and "Exit".
  QMenu* TrayMenu() const;

  // The command registered under `id` (a disabled placeholder where none is).
  QAction* Command(const std::string& id) { return commands_.ActionFor(id); }
  // The command groups.
  const ItemActions& ItemCommands() const;
  const NavigationActions& NavigationCommands() const;
  ListCommands& Lists() { return *list_commands_; }
  SettingsCommands& Configuration() { return *settings_commands_; }
  BookmarksDialog* BookmarksWindow() const;
  // The address history's restoring by the settings load: `entries` newest first, the
  // position back at 0, `address_text` in the address field.
  void RestoreAddresses(std::vector<std::string> entries, const std::string& address_text);
  // The address field's text (bytes).
  std::string AddressText() const;
  // Replaces the bookmark list (the settings load) and rebuilds the "&Bookmarks" menu.
  void SetBookmarks(std::vector<std::string> entries);
  // Adds a directory to the bookmarks: "Bookmark=" + dir (shown and logged), or "Bookmark
  // exists for: " + dir when it is there already.
  void BookmarkDirectory(std::string dir);
  // Fills the "Info" tab: the item list's statistics, computed afresh, and the environment.
  void Information2Click();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreatePanels();
  void ConnectPanels();
  void CreateCommandGroups(OutputDialogs* output_dialogs);
  void CreateNavigationCommands();
  void CreateFileOpCommands();
  void CreateFileToolCommands();
  void CreateChecksumCommands();
  void CreatePreviewCommands();
  void CreateLaunchCommands();
  void CreateRenameCommands();
  void CreatePrintCommands();
  // True while a scan or a file operation polls events: no other run may start then.
  bool Busy() const;
  // A close asked for during a run happens once the run is over.
  void CloseIfPending();
  void CreateListCommands();
  void CreateInfoCommands();
  void CreateSettingsCommands();
  void CreateHelpCommands();
  void FormCreate(const std::vector<std::string>& args);
  // The shutdown sequence that runs before the window closes.
  void FormCloseQuery();
  void ApplyScanToFileMode();
  void ApplyPreferences();
  // Shows the scan history in the scan string box, sorted first when ComboSort is on.
  void ShowScanHistory();
  // AutoScan and the focus after every change of directory.
  void AfterDirectoryChange();
  void ResetWindowSize();

  Session session_;
  std::unique_ptr<Prompter> own_prompter_;
  Prompter& prompter_;
  CommandRegistry commands_{this};
  MainActions actions_;
  // A close asked for while a scan runs waits for the run to end.
  bool close_pending_ = false;

  QSplitter* splitter_ = nullptr;
  CriteriaPanel* criteria_panel_ = nullptr;
  DirectoryPanel* directory_panel_ = nullptr;
  ListPanel* list_panel_ = nullptr;
  AddressBar* address_bar_ = nullptr;
  QLabel* status_ = nullptr;
  TrayIcon* tray_ = nullptr;
  std::unique_ptr<WindowServices> services_;

  ScanCommands* scan_commands_ = nullptr;
  WindowCommands* window_commands_ = nullptr;
  OutputCommands* output_commands_ = nullptr;
  krellix::NavigationCommands* navigation_commands_ = nullptr;
  BookmarkCommands* bookmark_commands_ = nullptr;
  ListCommands* list_commands_ = nullptr;
  krellix::ItemCommands* item_commands_ = nullptr;
  InfoCommands* info_commands_ = nullptr;
  FileOpCommands* file_op_commands_ = nullptr;
  FileToolCommands* file_tool_commands_ = nullptr;
  ChecksumCommands* checksum_commands_ = nullptr;
  PreviewCommands* preview_commands_ = nullptr;
  LaunchCommands* launch_commands_ = nullptr;
  RenameCommands* rename_commands_ = nullptr;
  SettingsCommands* settings_commands_ = nullptr;
  PrintCommands* print_commands_ = nullptr;
  HelpCommands* help_commands_ = nullptr;
};

}  // namespace krellix
