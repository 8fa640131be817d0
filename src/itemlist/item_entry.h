#pragma once

#include <array>
#include <cstdint>
#include <optional>
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

// The field order of item lines, which is also the order the item list keeps them in. The
// letters are what the settings file stores.
enum class ItemOrder : char {
  kPath = 'P',     // Attr Vol Path File Size Date, sorted
  kArrival = '-',  // as kPath, lines kept in the order they arrive
  kFile = 'F',     // Attr Vol File Size Date Path
  kSize = 'S',     // Attr Vol Size Path File Date (size zero-padded to 12)
  kDate = 'D',     // Attr Vol Date Path File Size
};

// The order stored as `letter`, or nothing for a letter that is no order.
std::optional<ItemOrder> ItemOrderOf(char letter);
constexpr char LetterOf(ItemOrder order) { return static_cast<char>(order); }

// Where the fields of an item line lie: the order the line was built in and the byte lengths
// of its first five fields (the sixth is the rest of the line). Only the line builder knows
// them: a name or a label may itself hold " | ", so a line is never split by searching it.
struct ItemLayout {
  ItemOrder order = ItemOrder::kPath;
  std::array<std::uint32_t, 5> lengths{};

  bool operator==(const ItemLayout&) const = default;
};

// The six fields of an item line, viewed where the line is stored.
struct ItemFieldViews {
  std::string_view Attr, Vol, Path, File, Size, Date;

  // Path followed by File: the full name of the item.
  std::string Filename() const;
  ItemFields ToFields() const;
};

// Joins the fields in the order `order` gives; under kSize the size is left-padded with "0" to
// at least 12 characters. `layout`, when given, receives where the fields lie in the line.
std::string BuildItemEntry(const ItemFields& f, ItemOrder order, ItemLayout* layout = nullptr);
// The same into `line`, whose capacity is reused (a scan builds every line in one buffer).
void BuildItemEntry(const ItemFields& f, ItemOrder order, ItemLayout* layout, std::string& line);

// The fields of `line`, a line built with `layout`. Lengths that overrun the line are cut to
// it, so a damaged layout gives short fields, never a read past the end.
ItemFieldViews ItemFieldsOf(std::string_view line, const ItemLayout& layout);

// True for the entries "." and ".." (the name part of `path`); other names ending in "." are
// ordinary names.
bool IsDotEntry(std::string_view path);

// The name part of a path without its extension: the name is cut at the first occurrence of
// its extension (the text from its last "." on). "archive.tar.gz" gives "archive.tar",
// "notes.txt.bak.txt" gives "notes".
std::string GetFilenameOnly(std::string_view path);
// The extension of the name part of a path, dot included; "" when the name has no ".".
std::string_view ExtensionOf(std::string_view path);

}  // namespace krellix
