#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "rename/rename_parameters.h"

namespace krellix {

// The levels of the directory path `path_name`: after an empty first entry, one entry per
// level from the root down, each "/" and the level's name ("/photos/2013/" gives "", "/photos",
// "/2013"). A root ("/") gives no entries at all.
void SplitPath(std::string path_name, std::vector<std::string>& path_levels);

// What the rules read of one item.
struct RenameItem {
  std::string path;       // P: the directory, with its trailing "/"
  std::string name;       // N: the name without its extension (a directory's whole name)
  std::string extension;  // E: from the name's last "." on, "" for a directory
  std::string date;       // D: "yyyy-mm-dd"
  bool is_directory = false;

  std::string FullName() const { return path + name + extension; }
};

// The parts of the item with full name `full_name`, its Attr field `attr` ("." for a
// directory) and its date field `date_field` ("yyyy-mm-dd hh:mm").
RenameItem RenameItemOf(std::string_view full_name, std::string_view attr,
                        std::string_view date_field);

// The running number of one pass: C and its text T. T starts as "Start:" as typed; after each
// handled item it is the decimal text of C.
struct RenameNumber {
  long long counter = 0;
  std::string text;
};

// The number of a new pass, from "Start:".
RenameNumber StartNumber(const RenameParameters& p);
// After an item was handled: C grows by "Step:" and T becomes its text (numbering only).
void AdvanceNumber(const RenameParameters& p, RenameNumber& number);

// The new full name of `item` under the rules `p`, with the pass's number; `md5` gives the
// checksum text of a full name and is called only when a rule needs it. The number text is
// padded with zeros to "Zero fill:" in place, as the pass keeps it until it advances.
std::string NewFullName(const RenameItem& item, const RenameParameters& p, RenameNumber& number,
                        const std::function<std::string(const std::string&)>& md5);

// A numeric field's value; an empty or unreadable field counts 0.
long long NumberField(const std::string& text);

}  // namespace krellix
