#include "platform/dir_listing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace krellix {

std::vector<std::string> SubdirectoryNames(const std::string& dir) {
  std::vector<std::string> names;
  DIR* d = ::opendir(dir.c_str());
  if (d == nullptr) return names;
  while (const dirent* e = ::readdir(d)) {
    if (e->d_name[0] == '.') continue;
    bool is_dir = e->d_type == DT_DIR;
    if (e->d_type == DT_LNK || e->d_type == DT_UNKNOWN) {
      struct stat st {};
      is_dir = ::fstatat(::dirfd(d), e->d_name, &st, 0) == 0 && S_ISDIR(st.st_mode);
    }
    if (is_dir) names.emplace_back(e->d_name);
  }
  ::closedir(d);
  return names;
}

FileResult EntryNames(int dir_fd, const std::string& path, std::vector<std::string>& names) {
  const int fd = ::dup(dir_fd);
  DIR* d = fd >= 0 ? ::fdopendir(fd) : nullptr;
  if (d == nullptr) {
    const int code = errno;
    if (fd >= 0) ::close(fd);
    return ErrnoError(path, code);
  }
  ::rewinddir(d);
  errno = 0;
  while (const dirent* e = ::readdir(d)) {
    const std::string_view n = e->d_name;
    if (n != "." && n != "..") names.emplace_back(n);
    errno = 0;
  }
  const int code = errno;
  ::closedir(d);
  if (code != 0) return ErrnoError(path, code);
  return {};
}

FileResult EntryNames(const std::string& dir, std::vector<std::string>& names) {
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return ErrnoError(dir, errno);
  FileResult result = EntryNames(fd, dir, names);
  ::close(fd);
  return result;
}

}  // namespace krellix
