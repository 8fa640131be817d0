#pragma once

#include "base/environment_paths.h"
#include "scan/scan_state.h"
#include "scan/selection_criteria.h"
#include "settings/app_settings.h"
#include "settings/settings_keys.h"

namespace krellix::test {

// A program's worth of settings at their built-in values, with the targets the settings file
// reads into and writes from.
struct SettingsState {
  AppSettings app;
  ScanState scan;
  SelectionCriteria criteria;
  EnvironmentPaths paths;
  SettingsTargets targets{app, scan, criteria, paths};
};

}  // namespace krellix::test
