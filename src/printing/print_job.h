#pragma once

#include <functional>
#include <string>

#include "printing/print_document.h"
#include "printing/printer_environment.h"

namespace krellix {

class ActivityLog;
class Clock;
class ItemList;
class Prompter;
struct LocaleFormat;
struct OutputOptions;
struct ScanState;

// The current printer, as the text prints see it.
class PrintTarget {
 public:
  virtual ~PrintTarget() = default;
  // The printable page and the printer font's "X" on it, asked afresh at every call.
  virtual PrinterMetrics Metrics() = 0;
  // Prints `document` as one job; false when the printer cannot take it.
  virtual bool Print(const PrintDocument& document) = 0;
  // The printer's name as the user knows it, for messages.
  virtual std::string Name() = 0;
};

// What the text prints read and write.
struct PrintContext {
  const ItemList& items;
  // The columns (ListVolume, ListPath, ListSize, ListDate), ListScan and Header2.
  const OutputOptions& options;
  // Every item is printed, not only the selected ones.
  const bool& print_all_items;
  // The "printed on" line; each print sets it.
  std::string& header1;
  ScanState& state;  // the stop request CancelStopEsc
  ActivityLog& log;
  Prompter& prompter;  // failure messages and the event polls of the report
  const Clock& clock;
  const LocaleFormat& locale;
  std::function<void(const std::string&)> show_status;
  // The text of the scan string box.
  std::function<std::string()> scan_text;
  std::string window_title;
  std::string copyright;
  // The last step of every print: the focus goes back to the scan string box where it shows.
  std::function<void()> after_print;
};

enum class PrintOutcome {
  kEmpty,      // nothing to print: no job was started
  kPrinted,    // the job went to the printer
  kCancelled,  // Stop or Esc aborted the job
  kFailed,     // the printer refused the job (the user was told)
};

struct PrintResult {
  PrintOutcome outcome = PrintOutcome::kEmpty;
  // Items, or log lines, printed (for a cancelled report, those laid out before the stop).
  int count = 0;
  // The environment of the job; untouched when no job started.
  PrinterEnvironment environment;
};

// "- " + the window's title + " -- " + the copyright notice: the first line of every print.
std::string PrintTitleLine(const PrintContext& ctx);
// The current date and time as the header's "printed on" lines show it.
std::string PrintedOnText(const PrintContext& ctx);
// Tells the user "Cannot print on: " + `printer_name` and logs "Print_Failed=" + the name.
void ReportPrintFailure(const PrintContext& ctx, const std::string& printer_name);
// Hands `document` to the printer; false, with the failure reported, when it refuses.
bool SubmitPrintJob(const PrintContext& ctx, PrintTarget& printer, const PrintDocument& document);

}  // namespace krellix
