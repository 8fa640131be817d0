#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "itemlist/item_entry.h"
#include "platform/wall_time.h"

namespace krellix {

struct OutputOptions;

// The values the options of `krellix scan` take, each parsed from its text once.

// "yyyy-mm-dd": midnight of that day. Nothing for a day the calendar does not have.
std::optional<WallMs> ParseDateValue(std::string_view text);
// "hh:mm" or "hh:mm:ss", 24-hour clock: that time of day (on 1970-01-01; only the time of day
// counts).
std::optional<WallMs> ParseTimeValue(std::string_view text);

// What a size number box accepts: one to nine digits.
bool IsSizeBoxText(std::string_view text);

// The unit button's caption, "Kbytes" or "bytes" (any letter case): true for Kbytes.
std::optional<bool> ParseSizeUnit(std::string_view text);

// The delimiter text: the list entries "TAB", "COMMA" and "Version-0.3" (any letter case) give
// a tab, "," and two blanks; any other text is the delimiter itself.
std::string DelimiterOf(std::string_view text);
// The name under which the delimiter box lists `sep`, or `sep` itself.
std::string DelimiterName(const std::string& sep);

// The item order letter: "P", "F", "S", "D" or "-" (any letter case).
std::optional<ItemOrder> ParseSortOrder(std::string_view text);

// The ".CSV settings" preset: quoted columns separated by a tab, a title row, no header block
// and no statistics.
void ApplyCsvPreset(OutputOptions& options);

// The optional columns of a row, by their titles: "string", "volume", "path", "size", "date",
// separated by commas (any letter case; an empty list leaves only Attr and the file name).
// Sets ListScan, ListVolume, ListPath, ListSize and ListDate; false for an unknown name, and
// `options` is then unchanged.
bool SetColumns(std::string_view text, OutputOptions& options);
// The columns that are on, in the same form.
std::string ColumnsText(const OutputOptions& options);

}  // namespace krellix
