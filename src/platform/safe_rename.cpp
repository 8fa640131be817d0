#include "platform/safe_rename.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>

#include <cerrno>

namespace krellix {

FileResult RenameNoReplace(const std::string& from, const std::string& to) {
  int code = 0;
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) != 0) {
    code = errno;
  }
  if (code == EINVAL || code == ENOSYS) {
    // A file system without the flag: look right before the rename.
    struct stat there {};
    code = ::lstat(to.c_str(), &there) == 0          ? EEXIST
           : ::rename(from.c_str(), to.c_str()) == 0 ? 0
                                                     : errno;
  }
  if (code == EEXIST) return FileError{to, "The name is taken already", EEXIST};
  if (code != 0) return ErrnoError(from, code);
  return {};
}

}  // namespace krellix
