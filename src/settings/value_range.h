#pragma once

#include <climits>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace krellix {

class ProfileFile;

// The values a number setting may take: those its control lets the user enter.
struct IntRange {
  std::int64_t min;
  std::int64_t max;
  bool Contains(std::int64_t value) const { return value >= min && value <= max; }
};

// "Item Limit" and "Stop Intvl.": any whole number the fields take (an int).
inline constexpr IntRange kWholeNumberRange{INT_MIN, INT_MAX};
// The three "Entries" fields (bookmarks, addresses, scan strings): one or two digits.
inline constexpr IntRange kEntriesRange{0, 99};

// Told the log line about a stored number out of its range.
using OutOfRangeReport = std::function<void(const std::string& line)>;

// The log line for a number out of range: "Out_of_range=[Prefs] Limit=2147483648".
std::string OutOfRangeText(std::string_view section, std::string_view key, std::string_view value);

// Reads a number key. A missing key, or a value that is no integer, gives `def`; an integer
// outside `range` gives `def` too and is reported (once, by this read) through `report`.
int ReadIntInRange(const ProfileFile& file, std::string_view section, std::string_view key, int def,
                   IntRange range, const OutOfRangeReport& report);

}  // namespace krellix
