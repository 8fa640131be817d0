#pragma once

#include <string>
#include <vector>

#include "platform/wall_time.h"
#include "settings/window_layout.h"

namespace krellix {

class ProfileFile;
struct SettingsTargets;

// The three remembered lists as the settings file keeps them.
struct RememberedLists {
  std::vector<std::string> bookmarks;
  std::string scan_text;
  std::vector<std::string> scan_history;
  std::string address_text;
  std::vector<std::string> addresses;
};

// These change the keys in memory; ProfileFile::Save writes the file, all of it or nothing.

// Starts a settings file: "Init"/"Version" = `title`, "Init"/"Created" = `stamp`.
void WriteCreationKeys(ProfileFile& file, const std::string& title, const std::string& stamp);

// Everything the configuration's "Save" writes: every single key (the dialog's controls from
// `dialog`, the rest from `fields`), each list under its save flag, "AddressSize" once more,
// and "Init"/"Modified" = `stamp`.
void WriteConfiguration(ProfileFile& file, const SettingsTargets& fields,
                        const SettingsTargets& dialog, const RememberedLists& lists,
                        const std::string& stamp);

// The "Clear" buttons' side in the file: the scan strings "Scan0" up to the limit, or the
// bookmarks "F1txt3" up to the limit, are deleted and their count set to 0.
void ClearScanHistoryKeys(ProfileFile& file, int history_size);
void ClearBookmarkKeys(ProfileFile& file, int favourites_size);

// What the close keeps of the run besides the single keys.
struct ClosingValues {
  WindowLayout layout;
  RememberedLists lists;
  // The drive box's mount point ("mDrv" keeps its first byte, 0 for none) and the current
  // directory ("mDir").
  std::string drive_mount;
  std::string directory;
};

// The close's side of the file: under "Save window" the layout and the dialogs' places, under
// "Save bookmarks", "Save history", "Save addresses" and "Save directory" the bookmarks, the
// scan strings, the addresses and the current directory. Returns the log lines of what was
// written, in that order.
std::vector<std::string> WriteClosingKeys(ProfileFile& file, const AppSettings& app,
                                          const ClosingValues& v);

// The name of a backup of `ini_name` taken at `now`: ini_name + ".yyyymmdd-hhmmss.bku".
std::string BackupName(const std::string& ini_name, WallMs now);

}  // namespace krellix
