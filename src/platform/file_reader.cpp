#include "platform/file_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace krellix {

FileReader::~FileReader() { Close(); }

FileResult FileReader::Open(const std::string& path) {
  Close();
  path_ = path;
  fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
  if (fd_ < 0) return ErrnoError(path, errno);
  struct stat st {};
  if (::fstat(fd_, &st) == 0 && S_ISDIR(st.st_mode)) {
    Close();
    return ErrnoError(path, EISDIR);
  }
  ::posix_fadvise(fd_, 0, 0, POSIX_FADV_SEQUENTIAL);
  return {};
}

FileResult FileReader::Read(char* buffer, std::size_t size, std::size_t& got) {
  got = 0;
  if (fd_ < 0) return ErrnoError(path_, EBADF);
  while (got < size) {
    const ssize_t n = ::read(fd_, buffer + got, size - got);
    if (n < 0) {
      if (errno == EINTR) continue;
      return ErrnoError(path_, errno);
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  return {};
}

void FileReader::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

FileResult ReadFileStart(const std::string& path, std::size_t limit, std::string& bytes,
                         std::uint64_t& total) {
  bytes.clear();
  total = 0;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return ErrnoError(path, errno);
  struct stat st {};
  int code = ::fstat(fd, &st) != 0 ? errno : (S_ISREG(st.st_mode) ? 0 : EINVAL);
  if (code == 0) {
    total = static_cast<std::uint64_t>(st.st_size);
    bytes.resize(std::min<std::uint64_t>(limit, total));
    std::size_t got = 0;
    while (got < bytes.size()) {
      const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) code = errno;
      if (n <= 0) break;
      got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
  }
  ::close(fd);
  if (code != 0) {
    bytes.clear();
    return ErrnoError(path, code);
  }
  return {};
}

bool SameFile(const std::string& a, const std::string& b) {
  struct stat sa {};
  struct stat sb {};
  return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
         sa.st_ino == sb.st_ino;
}

}  // namespace krellix
