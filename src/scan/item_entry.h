#pragma once

#include <string>
#include <string_view>

namespace krellix {

// The separator between the fields of an item line.
inline constexpr std::string_view kItemSep = " | ";

// The six fields of an item line.
struct ItemFields {
  std::string Attr;  // "." for a directory, ":" for anything else
  std::string Vol;   // volume label, "" when not retrieved
  std::string Path;  // directory with its trailing delimiter
  std::string File;  // name with extension
  std::string Size;  // decimal bytes (zero-padded to 12 in a line of order "S")
  std::string Date;  // "yyyy-mm-dd hh:mm"

  bool operator==(const ItemFields&) const = default;
};

// True for the orders an item line can have: 'P', '-', 'F', 'S', 'D'.
bool IsItemOrder(char sort_output);

// Joins the fields in the order `sort_output` gives:
//   'P', '-': Attr Vol Path File Size Date     'F': Attr Vol File Size Date Path
//   'S': Attr Vol Size Path File Date            'D': Attr Vol Date Path File Size
// Under 'S' the size is left-padded with "0" to at least 12 characters. Any other order gives
// the 'P' line.
std::string BuildItemEntry(const ItemFields& f, char sort_output);

// Splits an item line back into its fields under `sort_output`: every field but the last is
// the text up to the next separator, the last all that remains. Missing fields stay empty, and
// an unknown order leaves all six empty.
ItemFields GetItemListFields(std::string_view line, char sort_output);
std::string GetItemListAttr(std::string_view line, char sort_output);
// Path followed by File: the full name of the item.
std::string GetItemListFilename(std::string_view line, char sort_output);
std::string GetItemListFiledate(std::string_view line, char sort_output);

// The name part of a path without its extension: the name is cut at the first occurrence of
// its extension (the text from its last "." on). "archive.tar.gz" gives "archive.tar",
// "notes.txt.bak.txt" gives "notes".
std::string GetFilenameOnly(std::string_view path);
// The extension of the name part of a path, dot included; "" when the name has no ".".
std::string_view ExtensionOf(std::string_view path);

}  // namespace krellix
