#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/wall_time.h"

namespace krellix {

class ItemList;

// Totals and extremes of the item list. Sizes are in Kbytes (bytes / 1024, fractional).
struct ScanStatistics {
  static constexpr double kNoSmallest = 999999999999999.0;

  std::int64_t TotalFiles = 0;
  double TotalSize = 0;
  double SmallestSize = kNoSmallest;
  double LargestSize = -1;
  std::string SmallestName;
  std::string LargestName;
  std::string OldestDate = "0000-00-00";
  std::string YoungestDate = "0000-00-00";
  std::string OldestName;
  std::string YoungestName;

  // What "Clear" and a fresh scan reset: the counts, sizes and their names. The dates are
  // CalcStats' alone.
  void ResetSizes() {
    TotalFiles = 0;
    TotalSize = 0;
    SmallestSize = kNoSmallest;
    LargestSize = -1;
    SmallestName.clear();
    LargestName.clear();
  }
};

// Recomputes the statistics over every line of the list (selected or not). Ties keep the
// earlier line; dates compare as text, the oldest starting from `today` ("yyyy-mm-dd"), so a
// line dated today never becomes the oldest. A line whose Size field is no number ("Scan
// cancelled") is counted by no statistic.
ScanStatistics CalcStats(const ItemList& items, WallMs today);

// The size field of a line as a number of bytes (leading zeros allowed); nothing when it is no
// number.
bool ParseSizeField(std::string_view text, std::int64_t& bytes);

}  // namespace krellix
