#include "fileops/list_after_removal.h"

#include <algorithm>

#include "fileops/file_ops_host.h"
#include "itemlist/item_list.h"

namespace krellix {

std::int64_t CurrentAfterRemoval(const ItemList& items) {
  const auto count = static_cast<std::int64_t>(items.Count());
  std::int64_t i = std::max<std::int64_t>(items.Current(), 0);
  while (i < count - 1 && items.Selected(static_cast<std::size_t>(i))) ++i;
  return i - static_cast<std::int64_t>(items.SelectedCount());
}

void PlaceAfterRemoval(ItemList& items, FileOpsHost& host, std::int64_t top, std::int64_t current) {
  const auto last = static_cast<std::int64_t>(items.Count()) - 1;
  host.SetTopLine(std::min(top, last));
  items.SetCurrent(last < 0 ? ItemList::kNoLine : std::clamp<std::int64_t>(current, 0, last));
}

}  // namespace krellix
