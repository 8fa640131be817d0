#pragma once

#include <string>

#include "base/activity_log.h"
#include "base/check_list.h"
#include "base/environment_paths.h"
#include "base/startup_options.h"
#include "itemlist/item_list.h"
#include "itemlist/statistics.h"
#include "navigation/address_history.h"
#include "navigation/bookmarks.h"
#include "navigation/list_files.h"
#include "navigation/scan_history.h"
#include "output/locale_format.h"
#include "platform/clock.h"
#include "scan/scan_state.h"
#include "scan/selection_criteria.h"
#include "settings/app_settings.h"

namespace krellix {

// The program's run-time state: what one window works on from start-up to close. The main
// window owns it; command groups and core code are handed the parts they use.
struct Session {
  Clock clock;
  ActivityLog log{clock};
  SelectionCriteria criteria;
  ScanState state;
  ScanStatistics stats;
  ItemList items;
  CheckList include_list;
  CheckList exclude_list;
  FileList file_list;
  ScanHistory history;
  AddressHistory addresses;
  Bookmarks bookmarks;
  AppSettings settings;
  EnvironmentPaths paths;
  StartupOptions startup;
  LocaleFormat locale;
  // The title line of the output files.
  std::string Header1;
  // The current directory in tree form, where scans start.
  std::string current_dir;
  // Set once the close has begun.
  bool CloseDown = false;
};

}  // namespace krellix
