#pragma once

#include <string>
#include <string_view>

#include "itemlist/item_entry.h"
#include "itemlist/item_list.h"

namespace krellix::test {

// Adds a line written out in a test as an item line of `order`: its layout is found by
// splitting at " | ", which the test's own names never hold. Lines without the five
// separators are added as lines that are no items.
inline void AddTestLine(ItemList& items, std::string_view line, ItemOrder order) {
  ItemLayout layout;
  layout.order = order;
  std::string_view rest = line;
  for (std::uint32_t& length : layout.lengths) {
    const auto sep = rest.find(kItemSep);
    if (sep == std::string_view::npos) {
      items.Add(line);
      return;
    }
    length = static_cast<std::uint32_t>(sep);
    rest.remove_prefix(sep + kItemSep.size());
  }
  items.AddItem(line, layout);
}

}  // namespace krellix::test
