#pragma once

#include <QObject>
#include <functional>
#include <string>

class QWidget;

namespace krellix {

class CommandRegistry;
class InfoTab;
class ItemList;
class VolumeLabels;
struct EnvironmentPaths;
struct LocaleFormat;
struct OutputNames;
struct ScanState;
struct ScanStatistics;
struct StartupOptions;
class Clock;

// The "Info" tab (the item list's statistics and the program's environment), F12, and the
// "File info..." and "Drive info..." windows.
class InfoCommands final : public QObject {
 public:
  struct Context {
    const ItemList& items;
    const ScanState& state;
    ScanStatistics& stats;  // recounted for the tab
    const EnvironmentPaths& paths;
    const StartupOptions& startup;
    const LocaleFormat& locale;
    const Clock& clock;
    VolumeLabels& volumes;
    const std::string& current_dir;
    InfoTab* tab;
    // The names of the output file and its headers, as they are now.
    std::function<OutputNames()> output_names;
    // Whether the "Info" tab shows, and showing it (which fills it).
    std::function<bool()> tab_showing;
    std::function<void()> show_tab;
    // The mount point the drive box shows.
    std::function<std::string()> drive_mount;
  };

  InfoCommands(Context context, QWidget* parent);

  // Registers "info.show" (F12), "items.file_info" and "info.drive".
  void Register(CommandRegistry& commands);

  // Fills the "Info" tab: the statistics, counted afresh, and the environment.
  void FillTab();

 private:
  void ShowInformation();
  void FileInfo();
  void DriveInfo();

  Context ctx_;
  QWidget* parent_;
};

}  // namespace krellix
