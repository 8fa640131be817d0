#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "checksums/checksum_run.h"
#include "platform/file_result.h"

namespace krellix {

class ItemList;

// The most characters of a checksum list that go to the clipboard, and the warning shown when
// the list was longer.
inline constexpr std::size_t kChecksumClipboardLimit = 1048576;
inline constexpr std::string_view kChecksumClipboardWarning =
    "Too many items selected, clipboard data truncated";

// The full names of the selected item lines, first to last (lines that are no item left out).
std::vector<std::string> SelectedItemNames(const ItemList& items);

// One row as a text line: the checksum, "=", the full name (no line end).
std::string ChecksumLine(const ChecksumRow& row);

// Every row as a line ended by CR LF.
std::string ChecksumListText(const std::vector<ChecksumRow>& rows);

// The clipboard's share of the list text: at most kChecksumClipboardLimit characters (as
// unicode::CharCount counts them), and whether some were cut off.
struct ChecksumClip {
  std::string text;
  bool truncated = false;
};
ChecksumClip ChecksumClipboardText(const std::vector<ChecksumRow>& rows);

// Writes every row as a CR LF line to `path`, replacing a file of that name whole.
FileResult SaveChecksumList(const std::string& path, const std::vector<ChecksumRow>& rows);

}  // namespace krellix
