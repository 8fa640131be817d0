#include "settings/settings_file.h"

#include <cstdio>

#include "platform/file_system.h"
#include "platform/profile_file.h"
#include "settings/app_settings.h"
#include "settings/numbered_list.h"
#include "settings/settings_keys.h"

namespace krellix {
namespace {

// Deletes the entry keys of a list from its first index up to (not including) `end`, then
// sets its count to 0. Only the keys there are visited, however large `end`.
void ClearListKeys(ProfileFile& file, const NumberedListKeys& keys, int end) {
  file.DeleteKeys(keys.section, [&keys, end](const std::string& name) {
    const std::int64_t place = EntryPlace(keys, name);
    return place >= 0 && place + keys.first_index < end;
  });
  file.WriteInt(keys.section, keys.count_key, 0);
}

}  // namespace

void WriteCreationKeys(ProfileFile& file, const std::string& title, const std::string& stamp) {
  file.Write("Init", "Version", title);
  file.Write("Init", "Created", stamp);
}

void WriteConfiguration(ProfileFile& file, const SettingsTargets& fields,
                        const SettingsTargets& dialog, const RememberedLists& lists,
                        const std::string& stamp) {
  const AppSettings& app = fields.app;
  WriteSettingsKeys(file, fields, dialog);
  if (app.SaveFav) WriteNumberedList(file, kBookmarkKeys, app.FavouritesSize, "", lists.bookmarks);
  if (app.SaveHist) {
    WriteNumberedList(file, kScanHistoryKeys, app.HistorySize, lists.scan_text, lists.scan_history);
  }
  if (app.SaveAddr) {
    WriteNumberedList(file, kAddressKeys, app.AddressSize, lists.address_text, lists.addresses);
  }
  file.WriteInt(kAddressKeys.section, kAddressKeys.limit_key, app.AddressSize);
  file.Write("Init", "Modified", stamp);
}

void ClearScanHistoryKeys(ProfileFile& file, int history_size) {
  ClearListKeys(file, kScanHistoryKeys, history_size);
}

void ClearBookmarkKeys(ProfileFile& file, int favourites_size) {
  ClearListKeys(file, kBookmarkKeys, favourites_size);
}

std::vector<std::string> WriteClosingKeys(ProfileFile& file, const AppSettings& app,
                                          const ClosingValues& v) {
  std::vector<std::string> done;
  if (app.SaveWin) {
    WriteWindowLayout(file, v.layout, app);
    done.push_back("Window_position_saved=Yes");
  }
  if (app.SaveFav) {
    WriteNumberedList(file, kBookmarkKeys, app.FavouritesSize, "", v.lists.bookmarks);
    done.push_back("Bookmarks_saved=Yes");
  }
  if (app.SaveHist) {
    WriteNumberedList(file, kScanHistoryKeys, app.HistorySize, v.lists.scan_text,
                      v.lists.scan_history);
    done.push_back("History_saved=Yes");
  }
  if (app.SaveAddr) {
    WriteNumberedList(file, kAddressKeys, app.AddressSize, v.lists.address_text, v.lists.addresses);
    done.push_back("Address saved");
  }
  if (app.SaveDir) {
    const int code = v.drive_mount.empty() ? 0 : static_cast<unsigned char>(v.drive_mount[0]);
    file.WriteInt("Prefs", "mDrv", code);
    file.Write("Prefs", "mDir", WithTrailingDelim(v.directory));
    done.push_back("Directory_saved=Yes");
  }
  return done;
}

std::string BackupName(const std::string& ini_name, WallMs now) {
  const CivilDateTime c = ToCivil(now);
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d", c.year, c.month, c.day, c.hour,
                c.minute, c.second);
  return ini_name + "." + stamp + ".bku";
}

}  // namespace krellix
