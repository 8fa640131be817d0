#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace krellix {

// A text file written line by line, each line ending with CR LF, its bytes as they are. Every
// failure is remembered, so Close() can tell whether everything reached the file.
class TextFile {
 public:
  TextFile() = default;
  ~TextFile();
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;

  // Opens `path` (bytes, any encoding) for writing: at its end when `append`, else emptied or
  // created. False when it cannot be opened; a file already open is closed first.
  bool Open(const std::string& path, bool append);
  bool IsOpen() const { return file_ != nullptr; }

  // Writes `line` and CR LF. False when no file is open or this or an earlier write failed
  // (a full disk, say); later lines are then not attempted.
  bool WriteLine(std::string_view line);

  // Flushes and closes. False when a write, the flush or the close failed; true when nothing
  // was open.
  bool Close();

 private:
  std::FILE* file_ = nullptr;
  bool failed_ = false;
};

}  // namespace krellix
