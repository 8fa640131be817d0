#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "itemlist/item_entry.h"
#include "itemlist/statistics.h"
#include "output/locale_format.h"
#include "output/output_options.h"

namespace krellix {

// The separator between the columns of the output file: `output_sep` between two double
// quotes when `quotes`, else between two blanks.
std::string FieldDelimiter(const std::string& output_sep, bool quotes);

// A value as an unquoted row holds it, so that the row stays one line: a line feed becomes
// "\n", a carriage return "\r", and a backslash that would otherwise start one of these
// (one followed by "n", "r", a backslash or a line break) is doubled. Reading back, "\n",
// "\r" and "\\" stand for a line feed, a carriage return and one backslash, and any other
// backslash for itself. A value without line breaks, and without a backslash before "n", "r"
// or another backslash, is unchanged.
std::string EscapeLineBreaks(std::string_view value);

// A value inside a quoted row: each double quote doubled (line breaks stay, inside the quotes),
// as CSV readers expect.
std::string DoubleQuotes(std::string_view value);

// One row of the output file for one item, without its line end. The columns, each when its
// option is on: `scan_text`, Attr (always), Vol (only when not empty), Path, File (always),
// Size, Date. Each column is preceded by `delimiter`, except the file name when it is glued to
// the path; the first delimiter is then dropped, and with `Quotes` one double quote is added
// at each end. Values are escaped: with `Quotes` by DoubleQuotes, else by EscapeLineBreaks;
// other bytes (a delimiter inside a value, say) are written as they are.
std::string OutputRow(const OutputOptions& options, const std::string& delimiter,
                      const std::string& scan_text, const ItemFields& fields);

// The title row: the same rule over the titles "String", "Attr", "Volume", "Path",
// "Filename", "Size", "Date" ("Path\Filename" when glued). "Volume" stands whenever
// `ListVolume` is on.
std::string TitleRow(const OutputOptions& options, const std::string& delimiter);

// "- File saved on: " followed by `date_time`.
std::string FileSavedHeader(const std::string& date_time);

// The five header lines: ";  ", ";  - <window_title> -- <copyright>", ";  <header1>",
// ";  <header2>", ";  ".
std::vector<std::string> HeaderBlock(const std::string& window_title, const std::string& copyright,
                                     const std::string& header1, const std::string& header2);

// The twelve statistics lines, each value after a 16-character label; sizes in Kbytes with
// three decimals, the count and the total without decimals. Names are escaped by
// EscapeLineBreaks.
std::vector<std::string> StatisticsBlock(const ScanStatistics& stats, const LocaleFormat& locale);

}  // namespace krellix
