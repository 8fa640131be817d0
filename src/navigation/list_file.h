#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/check_list.h"
#include "platform/file_result.h"

namespace krellix {

// How the mark character of an include or exclude list line is read: at start-up the marks
// "\", ":", "?", "<", ">", "|" and the double quote disable an entry; "Load" keeps them
// enabled. "*" disables in both, "+" checks in both, "-" leaves unchecked and enabled.
enum class MarkReading { kStartUp, kLoad };

// One line of a list file. When it starts with one of the marks above, the mark is removed and
// read; any other line (a path written by hand, "/home/user/skip/") has no mark and is an
// unchecked, enabled entry with the whole line as its text. An empty line gives an empty,
// unchecked, enabled entry.
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
// The same, handing each line to `line` as it is found. Returns "" when the whole file was
// read, else the system's message (the lines read before the failure have been handed on).
std::string ForEachTextLine(const std::string& path,
                            const std::function<void(std::string_view)>& line);

enum class WriteMode { kCreate, kReplace, kAppend };
// How writing a list file ended, and why it failed.
struct WriteOutcome {
  enum Step { kOk, kOpenFailed, kCloseFailed };
  Step step = kOk;
  FileError error;  // when not kOk
};
// Writes lines, each ended by CR LF. kCreate and kReplace write a new file that takes the old
// one's place only when complete; kAppend adds at the end and cuts the file back on failure.
// kOpenFailed: the file could not be started; kCloseFailed: the lines could not all be written
// (a full disk shows here). Either way the file is as it was.
WriteOutcome WriteTextLines(const std::string& path, const std::vector<std::string>& lines,
                            WriteMode mode);

}  // namespace krellix
