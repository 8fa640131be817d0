#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <string>

#include "output/log_saver.h"

class QListWidget;
class QWidget;

namespace krellix {

class ActivityLog;
class Clock;
class CommandRegistry;
class ItemList;
class OutputDialogs;
class Prompter;
class ScanHost;
class ScanOutput;
class ScanOutputFile;
class SaveAsDialog;
class SavingFilePrompt;
class WriteOutputFile;
struct LocaleFormat;
struct OutputOptions;
struct ScanState;
struct ScanStatistics;

// The output file and the activity log: "&Save", "Scan to File", "Save log" and "Clear log",
// with the "Save as..." dialog and the "Saving file" prompt they share.
class OutputCommands final : public QObject {
 public:
  struct Context {
    OutputOptions& options;
    std::string& header1;   // the header line the last save wrote
    std::string& log_name;  // the log file; a save may choose another
    ItemList& items;
    ScanState& state;
    ScanStatistics& stats;
    Prompter& prompter;
    ActivityLog& log;
    const Clock& clock;
    const LocaleFormat& locale;
    ScanHost& host;  // status line, rename box
    std::function<std::string()> scan_text;
    std::string window_title;
    std::string copyright;
    // True while a run polls events.
    std::function<bool()> busy;
    // The item view shows the list anew.
    std::function<void()> refresh_items;
    // Runs the scan whose matches go to the output file.
    std::function<void()> run_scan;
    // After a save: the focus goes back where the user types.
    std::function<void()> after_save;
    QListWidget* log_view;
  };

  // `dialogs` stands in for the "Save as..." dialog and the "Saving file" prompt (tests); the
  // real ones are made when it is null.
  OutputCommands(Context context, OutputDialogs* dialogs, QWidget* parent);
  ~OutputCommands() override;

  // Registers "output.save", "scan.to_file", "log.save" and "log.clear", and gives the log
  // view its menu.
  void Register(CommandRegistry& commands);

  OutputDialogs& Dialogs() { return *dialogs_; }
  // The output file of scan-to-file mode.
  ScanOutput& ScanFileOutput();
  // Everything a save of the log needs.
  LogSaverContext LogSaver();

 private:
  void FileSelectedItems();
  void ScantoFile1Click();

  Context ctx_;
  SaveAsDialog* save_as_;
  SavingFilePrompt* saving_file_;
  std::unique_ptr<OutputDialogs> own_dialogs_;
  OutputDialogs* dialogs_;
  std::unique_ptr<WriteOutputFile> writer_;
  std::unique_ptr<krellix::ScanOutputFile> scan_output_;
};

}  // namespace krellix
