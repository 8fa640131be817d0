#pragma once

#include <QObject>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "settings/config_values.h"
#include "settings/settings_file.h"

class QWidget;

namespace krellix {

class ActivityLog;
class Clock;
class CommandRegistry;
class ItemList;
class Prompter;
class ScanHistory;
class ScanHost;
class ConfigurationDialog;
struct FileError;
struct LocaleFormat;

// The configuration and the settings file: the "&Configuration" command with its dialog and
// the dialog's file buttons, the settings file's part of loading the settings, and what the
// close writes to it. It owns the action and the dialog and registers the action; the window
// places it in its menu, tool bar and key map.
class SettingsCommands final : public QObject {
 public:
  struct Context {
    AppSettings& settings;
    ScanState& state;
    SelectionCriteria& criteria;
    EnvironmentPaths& paths;
    ScanHistory& history;
    ItemList& items;
    // The start-up option that keeps the settings file unread and unwritten; creating,
    // deleting and loading a file change it for the rest of the run.
    bool& skip_ini;
    ActivityLog& log;
    Prompter& prompter;
    const Clock& clock;
    const LocaleFormat& locale;
    ScanHost& host;  // the scan string box's text, the current directory
    // The dialog's parent, whose style gives the tool button its icon.
    QWidget* window;
    // "Init"/"Version" of a new settings file.
    std::string version_title;

    // True while a run polls events: no dialog opens under it.
    std::function<bool()> busy;
    // The item list's "Clear", and the item view showing the list as it stands.
    std::function<void()> clear_items;
    std::function<void()> refresh_items;
    // The window's controls show the preferences (hints, panes, confirmations, custom scan
    // strings, the scan string box); the criteria controls show the criteria.
    std::function<void()> show_preferences;
    std::function<void()> show_criteria;
    // The captions of the five custom scan commands show the custom scan strings.
    std::function<void()> show_custom_strings;
    // The AutoScan button shows `on`; asked only outside scan-to-file mode.
    std::function<void(bool on)> show_auto_scan;
    // The scan string box lists the history: sorted first under ComboSort, or as it stands.
    std::function<void()> show_scan_history;
    std::function<void()> list_scan_history;
    // The "Info" tab is filled again if it is showing.
    std::function<void()> refresh_info;
    // Resets the run and reads the settings again, from `file` when given (SetDefaults).
    std::function<void(bool create, const std::string& file)> set_defaults;
    // The bookmarks and the address history.
    std::function<std::vector<std::string>()> bookmarks;
    std::function<void(std::vector<std::string>)> set_bookmarks;
    std::function<std::vector<std::string>()> addresses;
    std::function<std::string()> address_text;
    std::function<void(std::vector<std::string>, const std::string& text)> restore_addresses;
    // The window's layout as it stands, and a stored one to take (fitted to the screen).
    std::function<WindowLayout()> layout;
    std::function<void(const WindowLayout&)> restore_layout;
    // The mount point the drive box shows.
    std::function<std::string()> drive_mount;
  };

  SettingsCommands(Context context, QObject* parent);

  // Registers "options.configuration" ("&Configuration", Alt+C, its tool button and F11).
  void Register(CommandRegistry& commands);
  // Builds the configuration dialog; the start-up does so once the settings are read.
  void CreateDialog();
  ConfigurationDialog* Dialog() const { return dialog_; }

  // "&Configuration": shows the dialog and, when it closes with OK, follows up on the window:
  // a new item order clears the list, then the panes, hints and custom scan strings.
  void ConfigurationCommand();
  // What the dialog shows when it opens.
  ConfigValues CurrentValues();
  // Applies the dialog's values to the program and the window's controls; false when a number
  // field stopped it.
  bool ActivateSettings(const ConfigValues& v);
  // Writes the configuration to `file_name`: the dialog's own keys from `v`, the rest from the
  // program; "SavedConfiguration=" on success, "Unable to write to " on failure.
  void SaveSettings(const std::string& file_name, const ConfigValues& v);

  // The settings file's step of loading the settings: `file_name`, or the settings file when
  // empty, is created when missing and read unless it disables itself. The stored layout is
  // taken when `create` (the start-up and "Load .ini file").
  void ReadFile(bool create, const std::string& file_name);
  // The close's step: the layout, lists and directory under their save flags, written to the
  // settings file where it exists and is not disabled; closing never creates it.
  void WriteAtClose();

 private:
  // "Unable to write to " and the file, shown and logged.
  void ReportUnwritable(const std::string& file_name, const FileError& error);
  void ShowAutoScan(bool on);
  RememberedLists Lists() const;
  std::string Stamp() const;
  // The dialog's buttons.
  void SaveConfigurationCommand(const ConfigValues& v);
  void ClearScanHistoryCommand();
  void ClearBookmarksCommand();
  bool CreateIniCommand();
  void DeleteIniCommand();
  void BackupIniCommand();

  Context ctx_;
  ConfigurationDialog* dialog_ = nullptr;  // owned by the window
  // The settings file's stamps, shown by the dialog.
  std::string ini_created_ = "not found";
  std::string ini_modified_ = "not found";
  // The custom scan strings as last applied; they take effect once the dialog has closed.
  std::array<std::string, 5> applied_custom_;
};

}  // namespace krellix
