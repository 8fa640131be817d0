#include "platform/attribute_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <fstream>
#include <string_view>

namespace krellix {
namespace {

// The umask without changing it: the kernel reports it in /proc; umask() itself can only be
// read by setting it, which races with other threads creating files.
mode_t CurrentUmask() {
  std::ifstream status("/proc/self/status");
  std::string line;
  constexpr std::string_view kKey = "Umask:";
  while (std::getline(status, line)) {
    if (line.rfind(kKey, 0) == 0)
      return static_cast<mode_t>(std::stoul(line.substr(kKey.size()), nullptr, 8));
  }
  const mode_t mask = ::umask(022);
  ::umask(mask);
  return mask;
}

}  // namespace

FileResult SetReadOnly(const std::string& path, bool read_only) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return ErrnoError(path, errno);
  const mode_t old_mode = st.st_mode & 07777;
  const mode_t mode =
      read_only ? old_mode & ~static_cast<mode_t>(0222) : old_mode | (S_IWUSR & ~CurrentUmask());
  if (!read_only && (mode & S_IWUSR) == 0) {
    return FileError{path, "The umask allows no write permission for the owner", EPERM};
  }
  if (mode != old_mode && ::chmod(path.c_str(), mode) != 0) return ErrnoError(path, errno);
  return {};
}

FileResult SetModifiedTime(const std::string& path, const CivilDateTime& local) {
  std::tm tm{};
  tm.tm_year = local.year - 1900;
  tm.tm_mon = local.month - 1;
  tm.tm_mday = local.day;
  tm.tm_hour = local.hour;
  tm.tm_min = local.minute;
  tm.tm_sec = local.second;
  tm.tm_isdst = -1;
  const std::time_t when = std::mktime(&tm);
  if (when == static_cast<std::time_t>(-1) && tm.tm_year != 69) {
    return FileError{path, "The time cannot be represented", EINVAL};
  }
  // Non-blocking, so that a FIFO without a reader fails instead of waiting.
  const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return ErrnoError(path, errno);
  const struct timespec times[2] = {{0, UTIME_OMIT}, {when, 0}};
  const int code = ::futimens(fd, times) == 0 ? 0 : errno;
  ::close(fd);
  if (code != 0) return ErrnoError(path, code);
  return {};
}

}  // namespace krellix
