#include "settings/numbered_list.h"

#include <algorithm>
#include <string_view>

#include "platform/ascii_text.h"
#include "platform/number_text.h"
#include "platform/profile_file.h"

namespace krellix {
namespace {

std::string EntryKey(const NumberedListKeys& keys, std::int64_t i) {
  return keys.stem + std::to_string(keys.first_index + i);
}

}  // namespace

std::int64_t EntryPlace(const NumberedListKeys& keys, const std::string& name) {
  const std::string_view stem = keys.stem;
  if (name.size() <= stem.size() || name.size() > stem.size() + 18) return -1;
  if (!EqualsIgnoreAsciiCase(std::string_view(name).substr(0, stem.size()), stem)) return -1;
  const std::string_view digits = std::string_view(name).substr(stem.size());
  if (digits.size() > 1 && digits[0] == '0') return -1;
  // At most 18 digits: every index fits.
  const auto index = ParseDigits<std::uint64_t>(digits);
  if (!index) return -1;
  return static_cast<std::int64_t>(*index) - keys.first_index;
}

NumberedList ReadNumberedList(const ProfileFile& file, const NumberedListKeys& keys, int limit,
                              const OutOfRangeReport& report) {
  NumberedList list;
  list.limit = ReadIntInRange(file, keys.section, keys.limit_key, limit, kEntriesRange, report);
  if (keys.current_key != nullptr) list.current = file.Read(keys.section, keys.current_key);
  const std::int64_t stored = file.ReadInt(keys.section, keys.count_key, keys.count_default);
  const std::int64_t n = std::min<std::int64_t>(stored, list.limit);
  // The entry keys present, by their place in the list; a count or limit written by hand as
  // millions costs no more than the keys that are there.
  std::vector<std::int64_t> places;
  for (const std::string& name : file.KeyNames(keys.section)) {
    const std::int64_t place = EntryPlace(keys, name);
    if (place >= 0 && place < n) places.push_back(place);
  }
  std::sort(places.begin(), places.end());
  places.erase(std::unique(places.begin(), places.end()), places.end());
  for (const std::int64_t place : places) {
    const auto value = file.Read(keys.section, EntryKey(keys, place));
    if (value && !value->empty()) list.entries.push_back(*value);
  }
  return list;
}

void WriteNumberedList(ProfileFile& file, const NumberedListKeys& keys, int limit,
                       const std::string& current, const std::vector<std::string>& entries) {
  file.WriteInt(keys.section, keys.limit_key, limit);
  if (keys.current_key != nullptr) file.Write(keys.section, keys.current_key, current);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    file.Write(keys.section, EntryKey(keys, static_cast<std::int64_t>(i)), entries[i]);
  }
  file.WriteInt(keys.section, keys.count_key, static_cast<std::int64_t>(entries.size()));
}

}  // namespace krellix
