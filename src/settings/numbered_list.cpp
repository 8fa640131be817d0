#include "settings/numbered_list.h"

#include <algorithm>

#include "platform/profile_file.h"

namespace krellix {
namespace {

std::string EntryKey(const NumberedListKeys& keys, int i) {
  return keys.stem + std::to_string(keys.first_index + i);
}

}  // namespace

NumberedList ReadNumberedList(const ProfileFile& file, const NumberedListKeys& keys, int limit) {
  NumberedList list;
  list.limit = static_cast<int>(file.ReadInt(keys.section, keys.limit_key, limit));
  if (keys.current_key != nullptr) list.current = file.Read(keys.section, keys.current_key);
  const std::int64_t stored = file.ReadInt(keys.section, keys.count_key, keys.count_default);
  const std::int64_t n = std::min<std::int64_t>(stored, list.limit);
  for (int i = 0; i < n; ++i) {
    const auto value = file.Read(keys.section, EntryKey(keys, i));
    if (value && !value->empty()) list.entries.push_back(*value);
  }
  return list;
}

bool WriteNumberedList(ProfileFile& file, const NumberedListKeys& keys, int limit,
                       const std::string& current, const std::vector<std::string>& entries) {
  if (!file.WriteInt(keys.section, keys.limit_key, limit)) return false;
  if (keys.current_key != nullptr && !file.Write(keys.section, keys.current_key, current)) {
    return false;
  }
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (!file.Write(keys.section, EntryKey(keys, static_cast<int>(i)), entries[i])) return false;
  }
  return file.WriteInt(keys.section, keys.count_key, static_cast<std::int64_t>(entries.size()));
}

}  // namespace krellix
