#include "itemlist/statistics.h"

#include "itemlist/item_entry.h"
#include "itemlist/item_list.h"
#include "platform/number_text.h"

namespace krellix {

bool ParseSizeField(std::string_view text, std::int64_t& bytes) {
  const std::optional<std::int64_t> number = ParseDigits<std::int64_t>(text);
  if (number) bytes = *number;
  return number.has_value();
}

ScanStatistics CalcStats(const ItemList& items, WallMs today) {
  ScanStatistics s;
  s.OldestDate = FormatIsoDate(today);
  s.YoungestDate = "0000-00-00";
  for (std::size_t i = 0; i < items.Count(); ++i) {
    const ItemFieldViews f = items.Fields(i);
    std::int64_t bytes = 0;
    if (!ParseSizeField(f.Size, bytes)) continue;
    const double size = static_cast<double>(bytes) / 1024.0;
    ++s.TotalFiles;
    s.TotalSize += size;
    if (size < s.SmallestSize) {
      s.SmallestSize = size;
      s.SmallestName = f.Filename();
    }
    if (size > s.LargestSize) {
      s.LargestSize = size;
      s.LargestName = f.Filename();
    }
    if (f.Date < s.OldestDate) {
      s.OldestDate = f.Date;
      s.OldestName = f.Filename();
    }
    if (f.Date > s.YoungestDate) {
      s.YoungestDate = f.Date;
      s.YoungestName = f.Filename();
    }
  }
  return s;
}

}  // namespace krellix
