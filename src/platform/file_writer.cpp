#include "platform/file_writer.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace krellix {
namespace {

constexpr std::size_t kBufferSize = 1 << 16;
// Bytes moved by one copy_file_range, or one read and write where the kernel cannot copy.
constexpr std::int64_t kCopyStep = std::int64_t{1} << 20;
// Once this much has been written the disk is asked to start on it, so that writing overlaps
// with what comes next and the final sync has little left to wait for.
constexpr std::int64_t kWritebackStep = std::int64_t{8} << 20;
// Long names are cut in the temporary file's name so that it stays within NAME_MAX.
constexpr std::size_t kNameInTemp = 180;
constexpr char kTempMark[] = ".krellix-";

// The folder of `path` with its trailing "/" ("" for a bare name) and the name after it.
std::pair<std::string, std::string> SplitPath(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return {"", path};
  return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

std::string TempPrefix(const std::string& name) {
  return "." + name.substr(0, kNameInTemp) + kTempMark;
}

// The process id in a temporary file name after its prefix ("1234-a1B2c3"), or 0 when the
// rest is not of that form.
pid_t TempOwner(std::string_view rest) {
  const std::size_t dash = rest.find('-');
  if (dash == 0 || dash == std::string_view::npos || rest.size() != dash + 7) return 0;
  long pid = 0;
  for (std::size_t i = 0; i < dash; ++i) {
    if (rest[i] < '0' || rest[i] > '9' || pid > 100000000) return 0;
    pid = pid * 10 + (rest[i] - '0');
  }
  for (std::size_t i = dash + 1; i < rest.size(); ++i) {
    const char c = rest[i];
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) return 0;
  }
  return static_cast<pid_t>(pid);
}

int RemoveStaleIn(const std::string& folder, const std::string& prefix) {
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (dir == nullptr) return 0;
  std::vector<std::string> stale;
  while (const dirent* e = ::readdir(dir)) {
    const std::string_view name = e->d_name;
    if (!name.starts_with(prefix)) continue;
    const pid_t owner = TempOwner(name.substr(prefix.size()));
    if (owner <= 0 || owner == ::getpid()) continue;
    if (::kill(owner, 0) == -1 && errno == ESRCH) stale.emplace_back(name);
  }
  int removed = 0;
  for (const std::string& name : stale) {
    if (::unlinkat(::dirfd(dir), name.c_str(), 0) == 0) ++removed;
  }
  ::closedir(dir);
  return removed;
}

void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  // Some file systems cannot sync a folder; the rename has happened either way.
  ::fsync(fd);
  ::close(fd);
}

unsigned NewFilePermissions() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666u & ~static_cast<unsigned>(mask);
}

// Renames `from` to `to` unless `to` exists.
int RenameNoReplace(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return errno;
  // A file system without the flag: a hard link fails just the same on an existing name.
  if (::link(from.c_str(), to.c_str()) != 0) return errno;
  ::unlink(from.c_str());
  return 0;
}

// Errors of copy_file_range that come from the file written rather than the one read.
bool WritersFault(int code) {
  return code == ENOSPC || code == EDQUOT || code == EFBIG || code == EROFS || code == EACCES ||
         code == EPERM;
}

// Errors of copy_file_range that only mean the kernel cannot copy between these two files.
bool CannotCopyHere(int code) {
  return code == EXDEV || code == EINVAL || code == EOPNOTSUPP || code == ENOSYS || code == EBADF;
}

}  // namespace

FileError ErrnoError(std::string path, int code) {
  return FileError{std::move(path), std::strerror(code), code};
}

std::string WithReason(const std::string& message, const FileError& error) {
  return message + " (" + error.reason + ")";
}

FileWriter::~FileWriter() { Abandon(); }

void FileWriter::Reset() {
  open_ = false;
  fd_ = -1;
  temp_.clear();
  buffer_.clear();
  error_ = 0;
  in_place_ = created_ = false;
  old_size_ = 0;
  unsent_ = 0;
  kernel_copy_ = true;
}

FileResult FileWriter::Open(const std::string& path, WriteHow how, const WriteOptions& options) {
  Abandon();
  path_ = path;
  target_ = path;
  how_ = how;
  options_ = options;

  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    if (char* real = ::realpath(path.c_str(), nullptr)) {
      target_ = real;
      std::free(real);
    }
  }
  const bool exists = ::stat(target_.c_str(), &st) == 0;
  if (exists && S_ISDIR(st.st_mode)) return ErrnoError(path, EISDIR);
  in_place_ = exists && !S_ISREG(st.st_mode);

  if (how == WriteHow::kAppend || in_place_) {
    int flags = O_WRONLY | O_CLOEXEC | (how == WriteHow::kAppend ? O_APPEND : 0);
    fd_ = ::open(target_.c_str(), flags);
    if (fd_ < 0 && errno == ENOENT && !in_place_) {
      fd_ = ::open(target_.c_str(), flags | O_CREAT | O_EXCL, 0666);
      created_ = fd_ >= 0;
    }
    if (fd_ < 0) {
      const int code = errno;
      Reset();
      return ErrnoError(path, code);
    }
    open_ = true;
    struct stat now {};
    if (!in_place_ && ::fstat(fd_, &now) == 0) old_size_ = now.st_size;
    return {};
  }

  const auto [folder, name] = SplitPath(target_);
  const std::string prefix = TempPrefix(name);
  RemoveStaleIn(folder, prefix);
  std::string pattern = folder + prefix + std::to_string(::getpid()) + "-XXXXXX";
  std::vector<char> buf(pattern.begin(), pattern.end());
  buf.push_back('\0');
  fd_ = ::mkostemp(buf.data(), O_CLOEXEC);
  if (fd_ < 0) {
    const int code = errno;
    Reset();
    return ErrnoError(path, code);
  }
  temp_ = buf.data();
  open_ = true;
  const unsigned mode = options.permissions ? *options.permissions
                        : exists            ? static_cast<unsigned>(st.st_mode & 07777)
                                            : NewFilePermissions();
  if (::fchmod(fd_, mode) != 0) {
    const int code = errno;
    Abandon();
    return ErrnoError(path, code);
  }
  // Keep the owner of a file replaced on someone else's behalf (root); elsewhere this fails
  // harmlessly and the file belongs to whoever wrote it.
  if (exists && (st.st_uid != ::geteuid() || st.st_gid != ::getegid())) {
    [[maybe_unused]] const int ignored = ::fchown(fd_, st.st_uid, st.st_gid);
  }
  buffer_.reserve(kBufferSize);
  return {};
}

void FileWriter::Fail(int code) {
  if (error_ == 0) error_ = code != 0 ? code : EIO;
}

bool FileWriter::WriteOut(std::string_view bytes) {
  while (error_ == 0 && !bytes.empty()) {
    const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno != EINTR) Fail(errno);
    } else {
      bytes.remove_prefix(static_cast<std::size_t>(n));
      Landed(n);
    }
  }
  return error_ == 0;
}

void FileWriter::Landed(std::int64_t bytes) {
  unsent_ += bytes;
  if (unsent_ < kWritebackStep || in_place_) return;
  unsent_ = 0;
  // Only starts the writing of the pages not yet on their way; Commit still syncs.
  ::sync_file_range(fd_, 0, 0, SYNC_FILE_RANGE_WRITE);
}

FileResult FileWriter::CopyFrom(int in, const std::string& from, std::int64_t size,
                                std::int64_t& copied) {
  copied = 0;
  if (!open_) return ErrnoError(path_, EBADF);
  if (!Flush()) return ErrnoError(path_, error_);
  bool plain = !kernel_copy_;
  while (copied < size) {
    const std::int64_t step = std::min(size - copied, kCopyStep);
    if (!plain) {
      const ssize_t got =
          ::copy_file_range(in, nullptr, fd_, nullptr, static_cast<std::size_t>(step), 0);
      const int code = errno;
      if (got < 0 && code == EINTR) continue;
      if (got < 0 && CannotCopyHere(code)) {
        kernel_copy_ = false;  // not between these two files: plain reads and writes
        plain = true;
        continue;
      }
      if (got < 0 && WritersFault(code)) {
        Fail(code);
        return ErrnoError(path_, code);
      }
      if (got < 0) return ErrnoError(from, code);
      // Some kernels copy nothing from files of pseudo file systems; a read tells whether
      // this is the end.
      if (got == 0) {
        plain = true;
        continue;
      }
      Landed(got);
      copied += got;
      continue;
    }
    buffer_.resize(static_cast<std::size_t>(step));
    const ssize_t got = ::read(in, buffer_.data(), buffer_.size());
    const int code = errno;
    const bool written = got <= 0 || WriteOut({buffer_.data(), static_cast<std::size_t>(got)});
    buffer_.clear();
    if (got < 0 && code == EINTR) continue;
    if (got < 0) return ErrnoError(from, code);
    if (!written) return ErrnoError(path_, error_);
    if (got == 0) break;   // the end of the file read
    kernel_copy_ = false;  // the kernel missed these bytes, or cannot copy here
    copied += got;
  }
  return {};
}

bool FileWriter::Flush() {
  const bool ok = WriteOut(buffer_);
  buffer_.clear();
  return ok;
}

bool FileWriter::Write(std::string_view bytes) {
  if (!open_ || error_ != 0) return false;
  if (buffer_.size() + bytes.size() > kBufferSize && !Flush()) return false;
  if (bytes.size() >= kBufferSize) return WriteOut(bytes);
  buffer_.append(bytes);
  return true;
}

FileResult FileWriter::Undo(int code) {
  FileResult result = ErrnoError(path_, code);
  Abandon();
  return result;
}

FileResult FileWriter::Commit() {
  if (!open_) return {};
  if (!Flush()) return Undo(error_);
  if (options_.modified_ns && !in_place_) {
    std::int64_t seconds = *options_.modified_ns / 1000000000;
    std::int64_t nanoseconds = *options_.modified_ns % 1000000000;
    if (nanoseconds < 0) {  // before 1970
      seconds -= 1;
      nanoseconds += 1000000000;
    }
    const timespec times[2] = {{0, UTIME_OMIT},
                               {static_cast<time_t>(seconds), static_cast<long>(nanoseconds)}};
    if (::futimens(fd_, times) != 0) return Undo(errno);
  }
  if (!in_place_ && ::fsync(fd_) != 0) return Undo(errno);
  const int fd = fd_;
  fd_ = -1;  // closed either way; Abandon() then undoes by name
  if (::close(fd) != 0) return Undo(errno);
  if (temp_.empty()) {
    Reset();
    return {};
  }
  int code = 0;
  if (how_ == WriteHow::kCreateNew) {
    code = RenameNoReplace(temp_, target_);
  } else if (::rename(temp_.c_str(), target_.c_str()) != 0) {
    code = errno;
  }
  if (code != 0) {
    ::unlink(temp_.c_str());
    Reset();
    return ErrnoError(path_, code);
  }
  SyncFolder(SplitPath(target_).first);
  Reset();
  return {};
}

void FileWriter::Abandon() {
  if (!open_) return;
  const bool appended = temp_.empty() && !in_place_;
  if (appended && created_) {
    ::unlink(target_.c_str());
  } else if (appended && fd_ >= 0) {
    if (::ftruncate(fd_, old_size_) == 0) ::fsync(fd_);
  } else if (appended) {
    [[maybe_unused]] const int ignored = ::truncate(target_.c_str(), old_size_);
  }
  if (fd_ >= 0) ::close(fd_);
  if (!temp_.empty()) ::unlink(temp_.c_str());
  Reset();
}

FileResult WriteWholeFile(const std::string& path, std::string_view content,
                          const WriteOptions& options) {
  FileWriter writer;
  if (FileResult opened = writer.Open(path, WriteHow::kReplace, options); !opened) return opened;
  writer.Write(content);
  return writer.Commit();
}

int RemoveStaleTemporaries(const std::string& path) {
  const auto [folder, name] = SplitPath(path);
  return RemoveStaleIn(folder, TempPrefix(name));
}

}  // namespace krellix
