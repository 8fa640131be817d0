#pragma once

#include <functional>
#include <string>

#include "settings/value_range.h"

namespace krellix {

class ProfileFile;
struct AppSettings;
struct EnvironmentPaths;
struct ScanState;
struct SelectionCriteria;

// The fields and control states that the settings file's single keys read and write. The
// numbered lists, the window geometry and the "Init" section are the caller's.
struct SettingsTargets {
  AppSettings& app;
  ScanState& scan;
  SelectionCriteria& criteria;
  EnvironmentPaths& paths;
};

// Reads every single key in the order the settings load needs it (the selection criteria,
// output columns, confirmations and preferences, then the directories, limits and scan logic,
// AutoScan and the item order unless in scan-to-file mode, the remaining options, the custom
// scan strings and, unless in scan-to-file mode, "Append "). A missing key, or one that is no
// integer under a number key, leaves its target as it is; so does a number outside what its
// field takes, which is also reported through `report`.
//
// `between` runs where the loader reads the scan-string list (after "Shst") and where it reads
// the address list (after "SaveAddr"): stage 1 and stage 2.
void ReadSettingsKeys(const ProfileFile& file, SettingsTargets& t,
                      const std::function<void(int stage)>& between = {},
                      const OutOfRangeReport& report = {});

// Writes every single key the configuration's "Save" writes, in table order: the keys of the
// configuration dialog's own controls from `dialog` (its values, applied or not), the rest
// from `fields` (the program's). "Auto" is written from the live AutoScan, "Swin" and "Sfav"
// too, though the loader reads those two itself; "Auto", "Sort" and "IncrScan" are left out in
// scan-to-file mode. The keys change in memory; ProfileFile::Save writes the file.
void WriteSettingsKeys(ProfileFile& file, const SettingsTargets& fields,
                       const SettingsTargets& dialog);
inline void WriteSettingsKeys(ProfileFile& file, const SettingsTargets& t) {
  WriteSettingsKeys(file, t, t);
}

}  // namespace krellix
