#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/file_result.h"

namespace krellix {

// The 16 bytes of an MD5 message digest (RFC 1321), in digest order.
using Md5Digest = std::array<std::uint8_t, 16>;

// Computes the MD5 digest of whole files, read once from start to end in large blocks. One
// hasher keeps its digest context and read buffer from file to file; use one per thread.
class Md5Hasher {
 public:
  Md5Hasher();
  ~Md5Hasher();
  Md5Hasher(const Md5Hasher&) = delete;
  Md5Hasher& operator=(const Md5Hasher&) = delete;

  // The digest of the file `path` (bytes, any encoding). Only regular files are read: a
  // directory fails with EISDIR, a device, FIFO or socket with EINVAL (reading one might never
  // end). A file that another open holds for writing fails with EAGAIN where the file system
  // can tell (a read lease is refused); elsewhere it is read as it is. When `stop` is given
  // and becomes true, the read ends early with ECANCELED.
  FileResult Hash(const std::string& path, Md5Digest& digest,
                  const std::atomic<bool>* stop = nullptr);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace krellix
