#include "platform/copy_engine.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "platform/dir_listing.h"
#include "platform/file_removal.h"

namespace krellix {
namespace {

namespace fs = std::filesystem;

// A big file reports progress, and can be stopped, after every piece of this size.
constexpr std::int64_t kChunk = 16 << 20;
constexpr std::size_t kNameInTemp = 180;
constexpr int kMaxFreeNames = 1'000'000;

class UniqueFd {
 public:
  explicit UniqueFd(int fd = -1) : fd_(fd) {}
  ~UniqueFd() {
    if (fd_ >= 0) ::close(fd_);
  }
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;
  void Reset(int fd) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
  }
  int get() const { return fd_; }
  bool ok() const { return fd_ >= 0; }
  // Closes now and gives close's errno (0 when it succeeded).
  int Close() {
    const int fd = fd_;
    fd_ = -1;
    return fd >= 0 && ::close(fd) != 0 ? errno : 0;
  }

 private:
  int fd_;
};

int OpenDir(int at, const std::string& name) {
  return ::openat(at, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

// The names in an open directory, "." and ".." left out. Read whole before anything is written,
// so a copy into the directory itself never meets its own copies.
// Which side a failed data copy is to blame: a full, read-only or refusing target, else the
// source.
bool TargetsFault(int code) {
  return code == ENOSPC || code == EDQUOT || code == EFBIG || code == EROFS || code == EACCES ||
         code == EPERM;
}

timespec const* TimesOf(const struct stat& st, timespec (&times)[2]) {
  times[0] = st.st_atim;
  times[1] = st.st_mtim;
  return times;
}

}  // namespace

SplitName SplitParent(const std::string& path) {
  std::string p = path;
  while (p.size() > 1 && p.back() == '/') p.pop_back();
  const std::size_t slash = p.rfind('/');
  if (slash == std::string::npos) return {"./", p};
  return {p.substr(0, slash + 1), p.substr(slash + 1)};
}

bool IsInside(const std::string& inner, const std::string& outer, bool or_same) {
  std::error_code ec;
  const fs::path in = fs::weakly_canonical(inner, ec);
  if (ec) return false;
  const fs::path out = fs::weakly_canonical(outer, ec);
  if (ec) return false;
  const std::string a = in.string();
  std::string b = out.string();
  if (a == b) return or_same;
  if (b.empty() || b.back() != '/') b.push_back('/');
  return a.compare(0, b.size(), b) == 0;
}

FileResult MakeDirectories(const std::string& dir, std::string& created_top) {
  created_top.clear();
  std::string p = dir;
  while (p.size() > 1 && p.back() == '/') p.pop_back();
  std::vector<std::string> missing;
  struct stat st {};
  while (!p.empty() && ::stat(p.c_str(), &st) != 0) {
    if (errno != ENOENT) return ErrnoError(p, errno);
    missing.push_back(p);
    const std::size_t slash = p.rfind('/');
    if (slash == std::string::npos) break;
    p.resize(slash == 0 ? 1 : slash);
  }
  if (missing.empty() && !S_ISDIR(st.st_mode)) return ErrnoError(p, ENOTDIR);
  for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
    if (::mkdir(it->c_str(), 0777) != 0 && errno != EEXIST) return ErrnoError(*it, errno);
    if (created_top.empty()) created_top = *it;
  }
  return {};
}

CopyEngine::CopyEngine(bool replace, bool sync, const CopyProgress& progress)
    : replace_(replace),
      sync_(sync),
      progress_(progress),
      umask_(::umask(0)),
      euid_(::geteuid()),
      egid_(::getegid()),
      random_(std::random_device{}()) {
  ::umask(umask_);
}

void CopyEngine::AddCounts(const CopyCounts& counts) {
  counts_.bytes += counts.bytes;
  counts_.items += counts.items;
}

FileResult CopyEngine::Tick(const std::string& path) {
  if (progress_ && !progress_(counts_))
    return FileError{path, "Stopped at user request", kCopyStopped};
  return {};
}

std::string CopyEngine::TempName(const std::string& name) {
  static constexpr char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::string t =
      "." + name.substr(0, kNameInTemp) + ".krellix-" + std::to_string(::getpid()) + "-";
  for (int i = 0; i < 6; ++i) t.push_back(kChars[random_() % (sizeof(kChars) - 1)]);
  return t;
}

// The permission bits a copy gets: the source's, less set-user and set-group when the copy
// belongs to someone else than the source (it is made by us, not chowned).
unsigned CopyEngine::KeptMode(const struct stat& st) const {
  unsigned mode = st.st_mode & 07777;
  if (st.st_uid != euid_ || st.st_gid != egid_) mode &= ~static_cast<unsigned>(S_ISUID | S_ISGID);
  return mode;
}

// Makes a new entry by `make(name)` (an errno result), taking a free name on collision when
// asked. Returns 0 or the errno value; `dname` holds the name made.
template <class MakeFn>
int CopyEngine::Create(std::string& dname, Collision how, MakeFn make) {
  int code = make(dname);
  if (code != EEXIST || how != Collision::kFreeName) return code;
  for (int n = 2; n < kMaxFreeNames; ++n) {
    std::string candidate = NumberedName(dname, n);
    code = make(candidate);
    if (code != EEXIST) {
      if (code == 0) dname = std::move(candidate);
      return code;
    }
  }
  return EEXIST;
}

FileResult CopyEngine::Node(int sdir, const std::string& sparent, const std::string& name, int ddir,
                            const std::string& dparent, std::string& dname, Collision how,
                            bool boundary) {
  const std::string spath = sparent + name;
  struct stat st {};
  if (::fstatat(sdir, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
    return ErrnoError(spath, errno);
  }
  if (S_ISDIR(st.st_mode))
    return Directory(sdir, spath, name, st, ddir, dparent, dname, how, boundary);
  if (S_ISREG(st.st_mode)) return File(sdir, spath, name, st, ddir, dparent, dname, how, boundary);
  return Other(sdir, spath, name, st, ddir, dparent, dname, how, boundary);
}

FileResult CopyEngine::Data(int in, int out, std::int64_t size, const std::string& spath,
                            const std::string& dpath) {
  bool kernel_copy = true;
  for (;;) {
    ssize_t n = 0;
    if (kernel_copy) {
      n = ::copy_file_range(in, nullptr, out, nullptr, kChunk, 0);
      if (n < 0 && (errno == EXDEV || errno == EINVAL || errno == EOPNOTSUPP || errno == ENOSYS ||
                    errno == EBADF)) {
        kernel_copy = false;  // not between these two files: plain reads and writes
        continue;
      }
    } else {
      if (buffer_.empty()) buffer_.resize(1 << 20);
      n = ::read(in, buffer_.data(), buffer_.size());
      if (n < 0 && errno != EINTR) return ErrnoError(spath, errno);
      for (ssize_t at = 0; at < n;) {
        const ssize_t w = ::write(out, buffer_.data() + at, static_cast<std::size_t>(n - at));
        if (w < 0 && errno != EINTR) return ErrnoError(dpath, errno);
        if (w > 0) at += w;
      }
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return ErrnoError(TargetsFault(errno) ? dpath : spath, errno);
    if (n == 0) return {};
    counts_.bytes += n;
    if (size > kChunk) {
      if (FileResult r = Tick(dpath); !r) return r;
    }
  }
}

FileResult CopyEngine::File(int sdir, const std::string& spath, const std::string& name,
                            const struct stat& lst, int ddir, const std::string& dparent,
                            std::string& dname, Collision how, bool boundary) {
  UniqueFd in(
      ::openat(sdir, name.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY));
  struct stat st = lst;
  if (!in.ok() || ::fstat(in.get(), &st) != 0) return ErrnoError(spath, errno);
  if (!S_ISREG(st.st_mode)) return ErrnoError(spath, EAGAIN);  // changed under us
  const unsigned mode = KeptMode(st);

  struct stat old {};
  const bool replacing =
      how == Collision::kReplace && ::fstatat(ddir, dname.c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0;
  if (replacing && S_ISDIR(old.st_mode)) return ErrnoError(dparent + dname, EISDIR);
  std::string write_name = replacing ? TempName(dname) : dname;
  UniqueFd out;
  const auto make = [&](const std::string& n) {
    const int fd = ::openat(ddir, n.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                            replacing ? 0600 : (mode & 0777));
    if (fd < 0) return errno;
    out.Reset(fd);
    return 0;
  };
  int code = 0;
  if (replacing) {
    for (int tries = 0; (code = make(write_name)) == EEXIST && tries < 100; ++tries) {
      write_name = TempName(dname);
    }
  } else {
    code = Create(write_name, how, make);
  }
  if (code != 0) return ErrnoError(dparent + write_name, code);
  if (!replacing) dname = write_name;
  const std::string dpath = dparent + dname;

  FileResult result = Data(in.get(), out.get(), st.st_size, spath, dpath);
  const bool set_mode = replacing || (mode & ~static_cast<unsigned>(umask_)) != mode;
  timespec times[2];
  if (result && set_mode && ::fchmod(out.get(), mode) != 0) result = ErrnoError(dpath, errno);
  if (result && ::futimens(out.get(), TimesOf(st, times)) != 0) result = ErrnoError(dpath, errno);
  if (result && (sync_ || replacing) && ::fsync(out.get()) != 0) result = ErrnoError(dpath, errno);
  if (const int closed = out.Close(); result && closed != 0) result = ErrnoError(dpath, closed);
  if (result && replacing && ::renameat(ddir, write_name.c_str(), ddir, dname.c_str()) != 0) {
    result = ErrnoError(dpath, errno);
  }
  if (!result) {
    ::unlinkat(ddir, write_name.c_str(), 0);
    return result;
  }
  if (boundary && !replacing) created_.push_back(dpath);
  ++counts_.items;
  return Tick(dpath);
}

FileResult CopyEngine::Directory(int sdir, const std::string& spath, const std::string& name,
                                 const struct stat& st, int ddir, const std::string& dparent,
                                 std::string& dname, Collision how, bool boundary) {
  UniqueFd src(OpenDir(sdir, name));
  if (!src.ok()) return ErrnoError(spath, errno);
  std::vector<std::string> names;
  if (FileResult r = EntryNames(src.get(), spath, names); !r) return r;

  const auto make = [&](const std::string& n) {
    return ::mkdirat(ddir, n.c_str(), 0700) == 0 ? 0 : errno;
  };
  bool merging = false;
  int code = 0;
  if (how == Collision::kReplace) {
    code = make(dname);
    struct stat old {};
    if (code == EEXIST && ::fstatat(ddir, dname.c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISDIR(old.st_mode)) {
      merging = true;
      code = 0;
    }
  } else {
    code = Create(dname, how, make);
  }
  const std::string dpath = dparent + dname;
  if (code != 0) return ErrnoError(dpath, code);
  if (boundary && !merging) created_.push_back(dpath);

  UniqueFd dst(OpenDir(ddir, dname));
  if (!dst.ok()) return ErrnoError(dpath, errno);
  const std::string schild = spath + "/";
  const std::string dchild = dpath + "/";
  for (const std::string& entry : names) {
    std::string target = entry;
    FileResult r = Node(src.get(), schild, entry, dst.get(), dchild, target,
                        merging ? Collision::kReplace : Collision::kFail, merging);
    if (!r) return r;
  }
  if (!merging) {
    timespec times[2];
    if (::fchmod(dst.get(), KeptMode(st)) != 0) return ErrnoError(dpath, errno);
    if (::futimens(dst.get(), TimesOf(st, times)) != 0) return ErrnoError(dpath, errno);
  }
  if (sync_ && ::fsync(dst.get()) != 0) return ErrnoError(dpath, errno);
  ++counts_.items;
  return Tick(dpath);
}

// A symbolic link as a link; a device, FIFO or socket as a new node of its kind.
FileResult CopyEngine::Other(int sdir, const std::string& spath, const std::string& name,
                             const struct stat& st, int ddir, const std::string& dparent,
                             std::string& dname, Collision how, bool boundary) {
  std::string link;
  if (S_ISLNK(st.st_mode)) {
    link.resize(static_cast<std::size_t>(std::max<off_t>(st.st_size, 64)) + 1);
    for (;;) {
      const ssize_t n = ::readlinkat(sdir, name.c_str(), link.data(), link.size());
      if (n < 0) return ErrnoError(spath, errno);
      if (static_cast<std::size_t>(n) < link.size()) {
        link.resize(static_cast<std::size_t>(n));
        break;
      }
      link.resize(link.size() * 2);
    }
  }
  const auto make = [&](const std::string& n) {
    const int rc = S_ISLNK(st.st_mode) ? ::symlinkat(link.c_str(), ddir, n.c_str())
                                       : ::mknodat(ddir, n.c_str(), st.st_mode, st.st_rdev);
    return rc == 0 ? 0 : errno;
  };
  struct stat old {};
  const bool replacing =
      how == Collision::kReplace && ::fstatat(ddir, dname.c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0;
  if (replacing && S_ISDIR(old.st_mode)) return ErrnoError(dparent + dname, EISDIR);
  std::string made = replacing ? TempName(dname) : dname;
  const int code = replacing ? make(made) : Create(made, how, make);
  if (code != 0) return ErrnoError(dparent + made, code);
  timespec times[2];
  // Times of a link are its own; a file system that cannot keep them keeps the link anyway.
  ::utimensat(ddir, made.c_str(), TimesOf(st, times), AT_SYMLINK_NOFOLLOW);
  if (replacing && ::renameat(ddir, made.c_str(), ddir, dname.c_str()) != 0) {
    const int err = errno;
    ::unlinkat(ddir, made.c_str(), 0);
    return ErrnoError(dparent + dname, err);
  }
  if (!replacing) dname = made;
  if (boundary && !replacing) created_.push_back(dparent + dname);
  ++counts_.items;
  return Tick(dparent + dname);
}

CopyResult CopyEngine::Finish(FileResult result, std::string target) {
  CopyResult out;
  out.counts = counts_;
  if (result) {
    out.target = std::move(target);
    return out;
  }
  // Undo in reverse order of creation; an entry inside one removed before is gone already.
  for (auto it = created_.rbegin(); it != created_.rend(); ++it) {
    struct stat st {};
    if (::lstat(it->c_str(), &st) != 0) continue;
    if (!PurgePath(*it) && out.left.empty()) out.left = *it;
  }
  created_.clear();
  out.result = std::move(result);
  return out;
}

CopyResult CopyEngine::Entry(const std::string& source, const std::string& target) {
  const SplitName from = SplitParent(source);
  const SplitName to = SplitParent(target);
  struct stat st {};
  if (::lstat(source.c_str(), &st) != 0) return Finish(ErrnoError(source, errno), "");
  if (S_ISDIR(st.st_mode) && IsInside(target, source, true)) {
    return Finish(FileError{target, "Cannot copy a directory into itself", EINVAL}, "");
  }
  std::string created_top;
  if (FileResult r = MakeDirectories(to.parent, created_top); !r) return Finish(r, "");
  if (!created_top.empty()) created_.push_back(created_top);
  UniqueFd sdir(OpenDir(AT_FDCWD, from.parent));
  if (!sdir.ok()) return Finish(ErrnoError(source, errno), "");
  UniqueFd ddir(OpenDir(AT_FDCWD, to.parent));
  if (!ddir.ok()) return Finish(ErrnoError(target, errno), "");
  std::string dname = to.name;
  FileResult r = Node(sdir.get(), from.parent, from.name, ddir.get(), to.parent, dname,
                      replace_ ? Collision::kReplace : Collision::kFreeName, true);
  return Finish(std::move(r), to.parent + dname);
}

CopyResult CopyEngine::Contents(const std::string& source_dir, const std::string& target_dir) {
  // The folder named may be a link to one; the entries inside are taken as they are.
  UniqueFd src(::open(source_dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!src.ok()) return Finish(ErrnoError(source_dir, errno), "");
  if (IsInside(target_dir, source_dir, false)) {
    return Finish(FileError{target_dir, "Cannot copy a directory into itself", EINVAL}, "");
  }
  std::vector<std::string> names;
  if (FileResult r = EntryNames(src.get(), source_dir, names); !r) return Finish(r, "");
  std::string created_top;
  if (FileResult r = MakeDirectories(target_dir, created_top); !r) return Finish(r, "");
  if (!created_top.empty()) created_.push_back(created_top);
  UniqueFd dst(OpenDir(AT_FDCWD, target_dir));
  if (!dst.ok()) return Finish(ErrnoError(target_dir, errno), "");
  std::string sparent = source_dir;
  if (sparent.back() != '/') sparent.push_back('/');
  std::string dparent = target_dir;
  if (dparent.back() != '/') dparent.push_back('/');
  for (const std::string& name : names) {
    std::string dname = name;
    FileResult r = Node(src.get(), sparent, name, dst.get(), dparent, dname,
                        replace_ ? Collision::kReplace : Collision::kFreeName, true);
    if (!r) return Finish(std::move(r), "");
  }
  return Finish({}, target_dir);
}

}  // namespace krellix
