#pragma once

#include <functional>
#include <string>

namespace krellix {

class ActivityLog;
class ItemList;
class WriteOutputFile;

// The "Save" command: writes every line of `items` (selected or not, first to last) through
// `writer` and closes it, or stops when "Init" is cancelled. Shows and logs the outcome,
// "Save_file=cancelled" or "Saved_Item_count=" + the number of rows that reached the file
// (0 when it could not be opened or closed), and returns that text.
std::string FileSelectedItems(WriteOutputFile& writer, const ItemList& items, ActivityLog& log,
                              const std::function<void(const std::string&)>& show_status);

}  // namespace krellix
