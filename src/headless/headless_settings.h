#pragma once

#include <string>

#include "base/check_list.h"
#include "base/environment_paths.h"
#include "platform/wall_time.h"
#include "scan/scan_state.h"
#include "scan/selection_criteria.h"
#include "settings/app_settings.h"

namespace krellix {

class ActivityLog;

// What a scan without a window works from: the settings a window holds once it has started
// (criteria, output options, preferences, paths, the include and exclude lists) and what only
// the command line says.
struct HeadlessSettings {
  AppSettings app;
  ScanState state;
  SelectionCriteria criteria;
  EnvironmentPaths paths;
  CheckList include_list;
  CheckList exclude_list;

  // Where the scan starts, absolute, as the directory tree would report it.
  std::string directory;
  // Only the checked entries of the include list are scanned (the "List" tab), not `directory`.
  bool list_only = false;
  // The output file; "" for standard output.
  std::string output_file;
  // Standard output gets each match's full name ended by a NUL byte, nothing else.
  bool null_names = false;
};

// The built-in state of a start in scan-to-file mode: rows leave in the order they are found,
// every criterion at its default with the date and time values at `now`, the output file and
// the list files where `paths` puts them.
HeadlessSettings StartingSettings(const EnvironmentPaths& paths, WallMs now);

// Reads the settings file at `path` as the window's start-up does in scan-to-file mode (so the
// item order, AutoScan and "Append " stay as they are), without ever creating or writing it.
// A file whose "Init" section holds "Disable" = 1 is not read. With "Save history" on, the
// stored scan string becomes the scan string. Logs "Config=" + path after a read, and an
// "Out_of_range=" line for each stored number its field cannot hold. False when nothing was
// read.
bool ReadSettingsFile(const std::string& path, HeadlessSettings& s, ActivityLog& log);

}  // namespace krellix
