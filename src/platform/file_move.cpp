#include "platform/file_move.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/copy_engine.h"
#include "platform/dir_listing.h"
#include "platform/file_removal.h"
#include "platform/safe_rename.h"

namespace krellix {
namespace {

std::string Trimmed(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

// `path` with its name numbered: "/t/a.txt", 2 gives "/t/a (2).txt".
std::string Numbered(const std::string& path, int n) {
  const SplitName split = SplitParent(path);
  return path.substr(0, path.size() - split.name.size()) + NumberedName(split.name, n);
}

void SyncFolderOf(const std::string& path) {
  const int fd = ::open(SplitParent(path).parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Removes the folders MakeDirectories made for `dir` that are still empty.
void RemoveEmptyMade(const std::string& dir, const std::string& created_top) {
  if (created_top.empty()) return;
  std::string p = Trimmed(dir);
  while (::rmdir(p.c_str()) == 0 && p != created_top) p = Trimmed(SplitParent(p).parent);
}

class Mover {
 public:
  Mover(bool replace, const CopyProgress& progress) : replace_(replace), progress_(progress) {}

  CopyResult Entry(const std::string& source, const std::string& target) {
    std::string created_top;
    CopyResult out;
    out.result = MakeDirectories(SplitParent(target).parent, created_top);
    if (out.result) out.result = Move(Trimmed(source), Trimmed(target), out.target);
    if (!out.result) RemoveEmptyMade(SplitParent(target).parent, created_top);
    return Finish(std::move(out));
  }

  CopyResult Contents(const std::string& source_dir, const std::string& target_dir) {
    CopyResult out;
    if (IsInside(target_dir, source_dir, true)) {
      out.result = FileError{target_dir, "Cannot move a directory into itself", EINVAL};
      return Finish(std::move(out));
    }
    std::vector<std::string> names;
    std::string created_top;
    out.result = EntryNames(source_dir, names);
    if (out.result) out.result = MakeDirectories(target_dir, created_top);
    if (out.result) out.result = MoveAll(Trimmed(source_dir), Trimmed(target_dir), names);
    if (out.result) out.target = target_dir;
    return Finish(std::move(out));
  }

 private:
  CopyResult Finish(CopyResult out) {
    out.counts = counts_;
    out.left = left_;
    if (!out.result) out.target.clear();
    return out;
  }

  FileResult Stopped(const std::string& path) {
    if (progress_ && !progress_(counts_)) {
      return FileError{path, "Stopped at user request", kCopyStopped};
    }
    return {};
  }

  FileResult MoveAll(const std::string& from, const std::string& to,
                     const std::vector<std::string>& names) {
    for (const std::string& name : names) {
      if (FileResult r = Stopped(from + "/" + name); !r) return r;
      std::string moved_to;
      if (FileResult r = Move(from + "/" + name, to + "/" + name, moved_to); !r) return r;
    }
    return {};
  }

  FileResult Move(const std::string& source, const std::string& target, std::string& moved_to) {
    struct stat st {};
    if (::lstat(source.c_str(), &st) != 0) return ErrnoError(source, errno);
    if (S_ISDIR(st.st_mode) && IsInside(target, source, true)) {
      return FileError{target, "Cannot move a directory into itself", EINVAL};
    }
    struct stat there {};
    if (::lstat(target.c_str(), &there) == 0 && there.st_dev == st.st_dev &&
        there.st_ino == st.st_ino) {
      // Onto itself (or another name of the same file): a rename would do nothing, or drop a name.
      return FileError{target, "The source and the target are the same file", EINVAL};
    }
    if (replace_) return MoveReplacing(source, target, st, moved_to);
    std::string name = target;
    for (int n = 2;; ++n) {
      const FileResult renamed = RenameNoReplace(source, name);
      if (renamed) {
        moved_to = name;
        ++counts_.items;
        return {};
      }
      const int code = renamed.Error().code;
      if (code == EXDEV) return CopyAcross(source, target, moved_to);
      if (code != EEXIST) return ErrnoError(code == ENOENT ? source : name, code);
      name = Numbered(target, n);
    }
  }

  FileResult MoveReplacing(const std::string& source, const std::string& target,
                           const struct stat& st, std::string& moved_to) {
    struct stat there {};
    if (S_ISDIR(st.st_mode) && ::lstat(target.c_str(), &there) == 0 && S_ISDIR(there.st_mode)) {
      // Merged entry by entry; the emptied source folder goes last.
      std::vector<std::string> names;
      if (FileResult r = EntryNames(source, names); !r) return r;
      if (FileResult r = MoveAll(source, target, names); !r) return r;
      if (::rmdir(source.c_str()) != 0) return ErrnoError(source, errno);
      moved_to = target;
      ++counts_.items;
      return {};
    }
    if (::rename(source.c_str(), target.c_str()) == 0) {
      moved_to = target;
      ++counts_.items;
      return {};
    }
    const int code = errno;
    if (code == EXDEV) return CopyAcross(source, target, moved_to);
    return ErrnoError(code == ENOENT ? source : target, code);
  }

  // Another file system: a whole, synced copy first; only then is the source removed.
  FileResult CopyAcross(const std::string& source, const std::string& target,
                        std::string& moved_to) {
    CopyEngine engine(replace_, true, progress_);
    engine.AddCounts(counts_);
    CopyResult copied = engine.Entry(source, target);
    counts_ = copied.counts;
    if (!copied.Ok()) {
      left_ = copied.left;
      return copied.result;
    }
    SyncFolderOf(copied.target);
    if (FileResult removed = PurgePath(source); !removed) {
      return FileError{source,
                       "Copied to " + copied.target +
                           ", but the source could not be removed: " + removed.Error().reason,
                       removed.Error().code};
    }
    moved_to = copied.target;
    return {};
  }

  bool replace_;
  const CopyProgress& progress_;
  CopyCounts counts_;
  std::string left_;
};

}  // namespace

CopyResult MoveEntry(const std::string& source, const std::string& target, bool replace,
                     const CopyProgress& progress) {
  return Mover(replace, progress).Entry(source, target);
}

CopyResult MoveDirectoryContents(const std::string& source_dir, const std::string& target_dir,
                                 bool replace, const CopyProgress& progress) {
  return Mover(replace, progress).Contents(source_dir, target_dir);
}

}  // namespace krellix
