#pragma once

#include <cstdint>

namespace krellix {

class FileOpsHost;
class ItemList;

// The line that is to become current once the selected lines are gone: the first line at or
// after the current one that is not selected (the last line when there is none) less the
// number of selected lines. So the unselected line that followed the current one stays current.
std::int64_t CurrentAfterRemoval(const ItemList& items);

// After the removal: the list scrolls back to `top` (at most the last line) and `current`,
// kept within the list, becomes the current line.
void PlaceAfterRemoval(ItemList& items, FileOpsHost& host, std::int64_t top, std::int64_t current);

}  // namespace krellix
