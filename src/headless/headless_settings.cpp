#include "headless/headless_settings.h"

#include "base/activity_log.h"
#include "platform/profile_file.h"
#include "settings/numbered_list.h"
#include "settings/settings_keys.h"

namespace krellix {

HeadlessSettings StartingSettings(const EnvironmentPaths& paths, WallMs now) {
  HeadlessSettings s;
  s.paths = paths;
  s.app.output.SaveName = paths.SaveName;
  s.state.ScanToFile = true;
  s.state.SortOutput = ItemOrder::kArrival;
  ResetSelectionCriteria(s.criteria, now);
  return s;
}

bool ReadSettingsFile(const std::string& path, HeadlessSettings& s, ActivityLog& log) {
  const ProfileFile file(path);
  if (file.ReadBool("Init", "Disable", false)) return false;
  const OutOfRangeReport report = [&log](const std::string& line) { log.AddLogLine(line); };
  SettingsTargets targets{s.app, s.state, s.criteria, s.paths};
  const auto between = [&](int stage) {
    if (stage != 1 || !s.app.SaveHist) return;
    const NumberedList history =
        ReadNumberedList(file, kScanHistoryKeys, s.app.HistorySize, report);
    s.app.HistorySize = history.limit;
    if (history.current) s.criteria.scan_text = *history.current;
  };
  ReadSettingsKeys(file, targets, between, report);
  log.AddLogLine("Config=" + path);
  return true;
}

}  // namespace krellix
