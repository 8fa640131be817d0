#pragma once

#include <string>
#include <string_view>

#include "platform/file_writer.h"

namespace krellix {

// The end of every line of the text files this program writes.
inline constexpr std::string_view kLineEnd = "\r\n";

// A text file written line by line, each line ending with kLineEnd, its bytes as they are. A
// replaced file changes only when Close() succeeds (see FileWriter); until then, and after a
// failure, the old file stays whole. Every failure is remembered, so Close() can tell whether
// everything reached the file.
class CrlfLineWriter {
 public:
  CrlfLineWriter() = default;
  CrlfLineWriter(const CrlfLineWriter&) = delete;
  CrlfLineWriter& operator=(const CrlfLineWriter&) = delete;

  // Starts writing `path` (bytes, any encoding) as `how` says. A file already open is
  // abandoned first.
  FileResult Open(const std::string& path, WriteHow how);
  bool IsOpen() const { return writer_.IsOpen(); }

  // Writes `line` and kLineEnd. False when no file is open or this or an earlier write failed
  // (a full disk, say); later lines are then not attempted.
  bool WriteLine(std::string_view line);

  // Finishes the file: the replacement takes the old file's place, or the appended lines are
  // kept. On failure nothing changed and the reason is returned. Success when nothing was open.
  FileResult Close();

  // Gives up without changing the file.
  void Abandon() { writer_.Abandon(); }

 private:
  FileWriter writer_;
};

}  // namespace krellix
