#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "settings/value_range.h"

namespace krellix {

class ProfileFile;

// How one remembered list is kept in the settings file: a limit key, an optional current-text
// key, entry keys made of a stem and an index, and a count key.
struct NumberedListKeys {
  const char* section;
  const char* limit_key;    // "Fav1", "Hist", "AddressSize"
  const char* current_key;  // "Scan", "Addr"; nullptr for none
  const char* stem;         // "F1txt", "Scan", "Addr"
  int first_index;          // 3 for bookmarks, 0 otherwise
  const char* count_key;    // "F1txtn", "Scann", "Addrn"
  int count_default;        // the count when its key is missing: 4 or 1
};

inline constexpr NumberedListKeys kBookmarkKeys{"Prefs", "Fav1", nullptr, "F1txt", 3, "F1txtn", 4};
inline constexpr NumberedListKeys kScanHistoryKeys{"Prefs", "Hist", "Scan", "Scan", 0, "Scann", 1};
inline constexpr NumberedListKeys kAddressKeys{"Prefs", "AddressSize", "Addr", "Addr",
                                               0,       "Addrn",       1};

// A list as read back.
struct NumberedList {
  int limit = 17;
  std::optional<std::string> current;  // the current text, when its key is there
  std::vector<std::string> entries;
};

// The place in the list (0 for the first entry) of a key name, or -1 when the name is not the
// list's stem (letter case ignored) followed by an index in plain decimal without leading zeros.
std::int64_t EntryPlace(const NumberedListKeys& keys, const std::string& name);

// Reads a list: the limit (default `limit`; a stored limit outside the "Entries" range gives
// the default and is reported), the current text, then min(count, limit) entry keys from the
// first index on; missing or empty entries are passed over. The cost grows with the keys the
// section holds, not with the count or the limit.
NumberedList ReadNumberedList(const ProfileFile& file, const NumberedListKeys& keys, int limit,
                              const OutOfRangeReport& report = {});

// Writes the limit, the current text (when the list has such a key), one key per entry and the
// count, in memory (ProfileFile::Save writes the file). Entry keys beyond the new count stay.
void WriteNumberedList(ProfileFile& file, const NumberedListKeys& keys, int limit,
                       const std::string& current, const std::vector<std::string>& entries);

}  // namespace krellix
