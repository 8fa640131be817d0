#include "launch/launch_items.h"

#include <algorithm>
#include <array>

#include "itemlist/item_list.h"
#include "platform/ascii_text.h"

namespace krellix {

std::optional<std::string> CurrentItemName(const ItemList& items) {
  const std::int64_t current = items.Current();
  if (current < 0 || static_cast<std::size_t>(current) >= items.Count()) return std::nullopt;
  const auto line = static_cast<std::size_t>(current);
  if (!items.IsItem(line)) return std::nullopt;
  return GetItemListFilename(items, line);
}

std::string ProgramFolder(const std::string& program) {
  const std::size_t slash = program.rfind('/');
  return slash == std::string::npos ? std::string() : program.substr(0, slash + 1);
}

std::string OpenLogLine(const std::string& full_name) { return "Open_File=" + full_name; }

std::string OpenWithLogLine(const std::string& full_name, const std::string& program) {
  return "Open_File=\"" + full_name + "\" Program=" + program;
}

}  // namespace krellix
