#pragma once

#include <string>
#include <vector>

#include "output/locale_format.h"
#include "output/output_options.h"
#include "scan/item_entry.h"
#include "scan/statistics.h"

namespace krellix {

// The separator between the columns of the output file: `output_sep` between two double
// quotes when `quotes`, else between two blanks.
std::string FieldDelimiter(const std::string& output_sep, bool quotes);

// One row of the output file for one item, without its line end. The columns, each when its
// option is on: `scan_text`, Attr (always), Vol (only when not empty), Path, File (always),
// Size, Date. Each column is preceded by `delimiter`, except the file name when it is glued to
// the path; the first delimiter is then dropped, and with `Quotes` one double quote is added
// at each end. Values are written as they are, nothing is escaped.
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
// three decimals, the count and the total without decimals.
std::vector<std::string> StatisticsBlock(const ScanStatistics& stats, const LocaleFormat& locale);

}  // namespace krellix
