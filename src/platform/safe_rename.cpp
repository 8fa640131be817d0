#include "platform/safe_rename.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/file_system.h"

namespace krellix {
namespace {

// Whether `name` reaches the very entry `item` is: the same inode, and one that has no other
// name (a directory, or a file with a single link), so the two names spell one entry.
bool SameEntry(const std::string& name, const std::string& item) {
  struct stat a {};
  struct stat b {};
  if (::lstat(name.c_str(), &a) != 0 || ::lstat(item.c_str(), &b) != 0) return false;
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino && (S_ISDIR(a.st_mode) || a.st_nlink == 1);
}

}  // namespace

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

bool NameTakenByFile(const std::string& name, const std::string& item) {
  struct stat st {};
  if (::lstat(name.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
  return name == item || !SameEntry(name, item);
}

FileResult RenameItemNoReplace(const std::string& from, const std::string& to) {
  if (from == to || !SameEntry(to, from)) return RenameNoReplace(from, to);
  // One entry under two spellings: step aside to a free name, then take the new spelling.
  const std::string folder = DirectoryPart(from);
  std::string aside;
  for (int n = 0;; ++n) {
    aside = folder + ".krellix-rename-" + std::to_string(::getpid()) + "-" + std::to_string(n);
    struct stat st {};
    if (::lstat(aside.c_str(), &st) != 0) break;
  }
  if (FileResult first = RenameNoReplace(from, aside); !first)
    return ErrnoError(from, first.Error().code);
  FileResult second = RenameNoReplace(aside, to);
  if (!second) {
    // Put the item back under its old name; should that fail too, say where it is.
    if (!RenameNoReplace(aside, from)) {
      return FileError{from, "Left under the name " + aside, second.Error().code};
    }
    return second;
  }
  return {};
}

}  // namespace krellix
