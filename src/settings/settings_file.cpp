#include "settings/settings_file.h"

#include <cstdio>

#include "platform/profile_file.h"
#include "settings/app_settings.h"
#include "settings/numbered_list.h"
#include "settings/settings_keys.h"

namespace krellix {
namespace {

// Deletes the entry keys of a list from its first index up to (not including) `end`, then
// sets its count to 0. Only the keys there are visited, however large `end`.
bool ClearListKeys(ProfileFile& file, const NumberedListKeys& keys, int end) {
  for (const std::string& name : file.KeyNames(keys.section)) {
    const std::int64_t place = EntryPlace(keys, name);
    if (place >= 0 && place + keys.first_index < end && !file.DeleteKey(keys.section, name)) {
      return false;
    }
  }
  return file.WriteInt(keys.section, keys.count_key, 0);
}

}  // namespace

bool WriteCreationKeys(ProfileFile& file, const std::string& title, const std::string& stamp) {
  return file.Write("Init", "Version", title) && file.Write("Init", "Created", stamp);
}

bool WriteConfiguration(ProfileFile& file, const SettingsTargets& fields,
                        const SettingsTargets& dialog, const RememberedLists& lists,
                        const std::string& stamp) {
  const AppSettings& app = fields.app;
  if (!WriteSettingsKeys(file, fields, dialog)) return false;
  if (app.SaveFav &&
      !WriteNumberedList(file, kBookmarkKeys, app.FavouritesSize, "", lists.bookmarks)) {
    return false;
  }
  if (app.SaveHist && !WriteNumberedList(file, kScanHistoryKeys, app.HistorySize,
                                         lists.scan_text, lists.scan_history)) {
    return false;
  }
  if (app.SaveAddr && !WriteNumberedList(file, kAddressKeys, app.AddressSize, lists.address_text,
                                         lists.addresses)) {
    return false;
  }
  return file.WriteInt(kAddressKeys.section, kAddressKeys.limit_key, app.AddressSize) &&
         file.Write("Init", "Modified", stamp);
}

bool ClearScanHistoryKeys(ProfileFile& file, int history_size) {
  return ClearListKeys(file, kScanHistoryKeys, history_size);
}

bool ClearBookmarkKeys(ProfileFile& file, int favourites_size) {
  return ClearListKeys(file, kBookmarkKeys, favourites_size);
}

std::string BackupName(const std::string& ini_name, WallMs now) {
  const CivilDateTime c = ToCivil(now);
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d", c.year, c.month, c.day, c.hour,
                c.minute, c.second);
  return ini_name + "." + stamp + ".bku";
}

}  // namespace krellix
