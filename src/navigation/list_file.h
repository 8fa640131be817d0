#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "navigation/check_list.h"

namespace krellix {

// How the mark character of an include or exclude list line is read: at start-up the marks
// "\", "/", ":", "?", "<", ">", "|" and the double quote disable an entry; "Load" keeps them
// enabled. "*" disables in both, "+" checks in both.
enum class MarkReading { kStartUp, kLoad };

// One line of a list file: the first character is the mark and is always removed. An empty
// line gives an empty, unchecked, enabled entry.
CheckListEntry ParseMarkLine(std::string_view line, MarkReading reading);
// The line for an entry: "+" checked and enabled, "-" unchecked, "*" disabled, then the text.
std::string MarkLine(const CheckListEntry& entry);

struct LinesRead {
  std::vector<std::string> lines;  // without line ends (CR LF or LF), in file order
  bool ok = true;                  // false when the file could not be read to its end
  std::string error;               // the system's message then
};
// Reads a text file line by line; a last line without a line end counts, a final line end
// adds no empty line. Bytes are kept as they are.
LinesRead ReadTextLines(const std::string& path);

enum class WriteMode { kCreate, kReplace, kAppend };
enum class WriteOutcome { kOk, kOpenFailed, kCloseFailed };
// Writes lines, each ended by CR LF. kOpenFailed: nothing was written; kCloseFailed: the data
// may not have reached the disk (a full disk shows here).
WriteOutcome WriteTextLines(const std::string& path, const std::vector<std::string>& lines,
                            WriteMode mode);

}  // namespace krellix
