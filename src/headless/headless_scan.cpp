#include "headless/headless_scan.h"

#include <fcntl.h>

#include "base/activity_log.h"
#include "base/product_info.h"
#include "headless/headless_host.h"
#include "headless/headless_settings.h"
#include "headless/option_values.h"
#include "headless/progress_line.h"
#include "headless/scan_options.h"
#include "headless/stream_output.h"
#include "itemlist/item_list.h"
#include "navigation/directory_path.h"
#include "navigation/list_files.h"
#include "output/log_saver.h"
#include "output/output_writer.h"
#include "output/scan_output_file.h"
#include "platform/console.h"
#include "platform/dir_block.h"
#include "platform/file_system.h"
#include "scan/scan_engine.h"

namespace krellix {
namespace {

bool CanEnumerate(const std::string& dir) {
  std::vector<char> scratch;
  DirBlock block;
  return block.Read(AT_FDCWD, dir.c_str(), false, scratch);
}

// Settings file, list files and command line, in that order; the message of what was refused.
std::optional<std::string> GatherSettings(const ScanRequest& request, HeadlessSettings& s,
                                          ActivityLog& log, const std::string& cwd) {
  if (!request.no_ini) {
    const std::string ini = request.ini.value_or(s.paths.IniName);
    if (request.ini && !FileExists(ini)) return "Cannot open: " + ini;
    // The "Save as..." dialog would open with the preset applied.
    if (FileExists(ini) && ReadSettingsFile(ini, s, log) && s.app.output.SaveCSV) {
      ApplyCsvPreset(s.app.output);
    }
  }
  for (const auto& [list, file] : {std::pair{&s.include_list, s.paths.IncListName},
                                   std::pair{&s.exclude_list, s.paths.ExcListname}}) {
    if (std::string error = ReloadCheckList(*list, file); !error.empty()) return error;
  }
  if (auto refused = ApplyScanEdits(request, s, cwd)) return refused;

  s.directory = TreeForm(request.directory.empty() ? cwd : request.directory, cwd);
  if (s.list_only && !request.directory.empty()) {
    return "--list scans the include list alone: give no directory";
  }
  if (s.null_names && !s.output_file.empty()) return "--null writes to standard output only";
  if (auto bad = ScanStringError(s.criteria.scan_text)) return bad->message;
  if (!s.list_only && !CanEnumerate(s.directory)) return "Path not accessible: " + s.directory;
  return std::nullopt;
}

}  // namespace

int RunHeadlessScan(const std::vector<std::string>& args, const LocaleFormat& locale) {
  IgnoreBrokenPipeSignal();
  const ScanRequest request = ParseScanArguments(args);
  if (!request.error.empty()) {
    WriteStderr("krellix: " + request.error + "\nTry 'krellix scan --help'.\n");
    return kExitBadInput;
  }
  StreamWriter out(kStdout, IsTerminal(kStdout));
  if (request.help) {
    out.Write(ScanHelpText());
    return out.Flush() ? kExitMatched : kExitBadInput;
  }

  Clock clock;
  ActivityLog log(clock);
  log.AddLogLine(std::string("Krellix=") + kVersion + " - " + kCopyright);
  const std::string cwd = CurrentDirectory();
  HeadlessSettings s = StartingSettings(
      ResolveEnvironmentPaths(DirectoryPart(OwnProgramPath()), GetSpecialFolders()), clock.Now());

  // A progress line would mix with rows written to the same terminal.
  const bool show_progress = IsTerminal(kStderr) && !IsTerminal(kStdout);
  ProgressLine progress(WriteStderr, [&clock] { return clock.SteadyMs(); });
  // Once standard output has failed the run ends without the stop warning; a failure other
  // than a reader going away is reported at the end.
  HeadlessPrompter prompter(
      [&progress](const std::string& text) {
        progress.Clear();
        WriteStderr(text);
      },
      [&out] { return out.Failed(); });

  if (auto refused = GatherSettings(request, s, log, cwd)) {
    prompter.ShowMessage(MessageKind::kError, *refused);
    return kExitBadInput;
  }

  ItemList items;
  ScanStatistics stats;
  std::string header1;
  const std::string window_title = std::string("Krellix ") + kVersion;
  const auto scan_text = [&s] { return s.criteria.scan_text; };
  HeadlessDialogs dialogs(s.output_file, prompter);
  WriteOutputFile writer({s.app.output, header1, items, s.state, dialogs, prompter, log, clock,
                          locale, nullptr, scan_text, window_title, kCopyright});
  ScanOutputFile file_output(writer);
  StreamOutput stream_output({s.app.output, s.state, items, header1, clock, locale, scan_text,
                              window_title, kCopyright, s.null_names},
                             out);
  ScanOutput& output =
      s.output_file.empty() ? static_cast<ScanOutput&>(stream_output) : file_output;

  // Sorted rows are gathered in the item list and written after the scan, as "Save" writes a
  // list; unsorted ones go out as they are found, as "Scan to File" writes them.
  const bool sorted = s.state.SortOutput != ItemOrder::kArrival;
  s.state.ScanToFile = !sorted;
  items.SetSorted(sorted);
  HeadlessHost host(s.directory, s.list_only ? DirPane::kList : DirPane::kTree,
                    sorted ? nullptr : &output);
  ScanEngine engine({s.criteria, s.state, stats, items, s.include_list, s.exclude_list, host,
                     prompter, log, clock});
  prompter.poll = [&] {
    if (out.Failed()) s.state.CancelStopEsc = true;
    if (show_progress) progress.Update(engine.DirCount(), engine.EntryCount(), s.state.FileCount);
  };

  log.AddLogLine("Scan=" + s.criteria.scan_text);
  if (!sorted) {
    engine.DisplaySelectedItems();
  } else if (output.Init() != static_cast<int>(SaveMode::kCancel)) {
    engine.StartScan();
    for (std::size_t i = 0; i < items.Count() && !out.Failed(); ++i) {
      if (items.IsItem(i)) output.Write(items.Fields(i).ToFields());
    }
    output.Close();
  }
  progress.Clear();

  out.Flush();
  if (out.Failed() && !out.BrokenPipe()) {
    prompter.ShowMessage(MessageKind::kError,
                         "Cannot write to standard output (" + out.ErrorText() + ")");
  }
  if (s.app.LogSave) {
    std::string log_header;
    SaveLogfile({log, s.paths.LogName, log_header, s.app.output, prompter, dialogs, clock, locale,
                 nullptr, kCopyright},
                LogSaveKind::kSilent);
  }
  if (prompter.Errors() > 0) return kExitBadInput;
  return s.state.FileCount > 0 ? kExitMatched : kExitNoMatch;
}

}  // namespace krellix
