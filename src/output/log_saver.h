#pragma once

#include <functional>
#include <string>

#include "output/locale_format.h"

namespace krellix {

class ActivityLog;
class Clock;
class Prompter;
class SavingFileQuestion;
struct OutputOptions;

// What saving the activity log reads and updates of the main window. The references must
// outlive the call.
struct LogSaverContext {
  ActivityLog& log;
  std::string& LogName;         // the log file; replaced by the file chosen in the picker
  std::string& Header1;         // set to "- Log written: " + date and time
  const OutputOptions& output;  // OutFileReplace / OutFileAppend override the prompt's answer
  Prompter& prompter;           // the save picker and the failure messages
  SavingFileQuestion& saving_file;
  const Clock& clock;
  const LocaleFormat& locale;
  std::function<void(const std::string&)> show_status;
  std::string copyright;  // header line 2: ";  - Krellix - " + copyright
};

// Interactive: the "Save log" command (or any save while LogSave is off), with the picker and
// the "Saving file" prompt. Silent: the shutdown save while LogSave is on, which appends to
// LogName (or creates it) without asking.
enum class LogSaveKind { kInteractive, kSilent };

enum class LogSaveResult { kSaved, kCancelled, kFailed };

// Writes the whole log to a file, CR LF line ends: four header lines, then every log line.
// Once the file is open, "Save_Logfile=" + LogName is shown and added to the log unstamped and
// stamped (so both are in the file), and after a clean close "LogRecords=" + count is shown and
// logged. Failures show "Cannot open(replace): ", "Cannot open(append): ",
// "Cannot open(create): " or "Close failed for: " + LogName, each followed by the system's
// reason in parentheses; a failed open leaves the log unchanged. A replaced file changes only
// when the whole log is written, and a failed append is cut back: the file is never left
// half-written. A cancelled picker shows "Save log cancelled"; a cancelled prompt writes nothing.
LogSaveResult SaveLogfile(const LogSaverContext& ctx, LogSaveKind kind);

// "Clear log": empties the log, then adds "Log cleared at: " + date and time, unstamped.
void ClearLog(ActivityLog& log, const Clock& clock, const LocaleFormat& locale);

}  // namespace krellix
