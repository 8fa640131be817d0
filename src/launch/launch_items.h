#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "preview/preview_types.h"

namespace krellix {

class ItemList;

// The full name of the item on the current line, or nothing when no line is current or the
// current line names no file.
std::optional<std::string> CurrentItemName(const ItemList& items);

// The folder of `program` with its trailing "/": where the program picker opens next time.
// A name without a folder gives "".
std::string ProgramFolder(const std::string& program);

// "Open_File=" followed by the name.
std::string OpenLogLine(const std::string& full_name);
// "Open_File=" followed by the name in double quotes, " Program=" and the program.
std::string OpenWithLogLine(const std::string& full_name, const std::string& program);

}  // namespace krellix
