#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/file_result.h"
#include "platform/safe_rename.h"

namespace krellix {

// Reads one file from its start, in blocks of a size the caller chooses.
class FileReader {
 public:
  FileReader() = default;
  ~FileReader();
  FileReader(const FileReader&) = delete;
  FileReader& operator=(const FileReader&) = delete;

  // Opens `path` (bytes, any encoding) for reading; a file still open is closed first.
  FileResult Open(const std::string& path);
  // Fills `buffer` with up to `size` bytes and puts the count into `got`; fewer than `size`
  // only at the end of the file (0 there).
  FileResult Read(char* buffer, std::size_t size, std::size_t& got);
  void Close();
  // The open file (-1 when none is open), for copying from it at its position.
  int Descriptor() const { return fd_; }

 private:
  std::string path_;
  int fd_ = -1;
};

// The first `limit` bytes of the regular file `path` into `bytes`, and its whole size into
// `total`. Anything but a regular file (a FIFO would wait for a writer) is refused, without
// ever waiting.
FileResult ReadFileStart(const std::string& path, std::size_t limit, std::string& bytes,
                         std::uint64_t& total);

// True when both paths exist and name the same file (device and inode, links followed).
bool SameFile(const std::string& a, const std::string& b);

}  // namespace krellix
