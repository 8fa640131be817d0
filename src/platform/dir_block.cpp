#include "platform/dir_block.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/syscall.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cstddef>
#include <cstring>

namespace krellix {
namespace {

constexpr std::size_t kReadBuffer = 256 * 1024;

// The record layout getdents64 fills in.
struct LinuxDirent64 {
  std::uint64_t d_ino;
  std::int64_t d_off;
  unsigned short d_reclen;
  unsigned char d_type;
  char d_name[1];
};

}  // namespace

namespace {

// The device of the file system mounted on `path` when it is of type `magic`, else 0.
std::uint64_t DeviceOfType(const char* path, decltype(statfs::f_type) magic) {
  struct statfs fs {};
  struct stat st {};
  if (::statfs(path, &fs) != 0 || fs.f_type != magic || ::stat(path, &st) != 0) return 0;
  return st.st_dev;
}

}  // namespace

KernelFsDevices FindKernelFsDevices() {
  return {DeviceOfType("/proc", PROC_SUPER_MAGIC), DeviceOfType("/sys", SYSFS_MAGIC)};
}

bool IsDotEntryName(const char* name) {
  return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

bool StatEntry(int dir_fd, const char* name, RawEntryStat& out) {
  const unsigned mask =
      STATX_TYPE | STATX_MODE | STATX_INO | STATX_SIZE | STATX_MTIME | STATX_BTIME;
  struct statx sx {};
  int rc = ::statx(dir_fd, name, AT_NO_AUTOMOUNT | AT_STATX_DONT_SYNC, mask, &sx);
  if (rc != 0) {
    // A dangling link or a vanished entry: describe the link itself, or nothing.
    rc = ::statx(dir_fd, name, AT_NO_AUTOMOUNT | AT_STATX_DONT_SYNC | AT_SYMLINK_NOFOLLOW, mask,
                 &sx);
  }
  if (rc != 0) return false;
  out.mode = sx.stx_mode;
  out.size = sx.stx_size;
  out.mtime_sec = sx.stx_mtime.tv_sec;
  out.mtime_nsec = sx.stx_mtime.tv_nsec;
  out.has_btime = (sx.stx_mask & STATX_BTIME) != 0;
  out.btime_sec = sx.stx_btime.tv_sec;
  out.btime_nsec = sx.stx_btime.tv_nsec;
  out.device = makedev(sx.stx_dev_major, sx.stx_dev_minor);
  out.inode = sx.stx_ino;
  return true;
}

DirBlock::~DirBlock() { Close(); }

void DirBlock::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

bool DirBlock::Read(int parent_fd, const char* name, bool stat_all, std::vector<char>& scratch,
                    const Id* known) {
  Close();
  names_.clear();
  entries_.clear();
  const int fd = ::openat(parent_fd, name, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  Id id;
  if (known != nullptr) {
    id = *known;
  } else {
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
      ::close(fd);
      return false;
    }
    id = {st.st_dev, st.st_ino};
  }
  if (scratch.size() < kReadBuffer) scratch.resize(kReadBuffer);
  for (;;) {
    const long n = ::syscall(SYS_getdents64, fd, scratch.data(), scratch.size());
    if (n < 0) {
      ::close(fd);
      names_.clear();
      entries_.clear();
      return false;
    }
    if (n == 0) break;
    for (long pos = 0; pos < n;) {
      const char* record = scratch.data() + pos;
      unsigned short reclen = 0;
      std::memcpy(&reclen, record + offsetof(LinuxDirent64, d_reclen), sizeof reclen);
      Entry e;
      e.type = static_cast<unsigned char>(record[offsetof(LinuxDirent64, d_type)]);
      e.name_offset = static_cast<std::uint32_t>(names_.size());
      names_ += record + offsetof(LinuxDirent64, d_name);
      names_.push_back('\0');
      entries_.push_back(e);
      pos += reclen;
    }
  }
  fd_ = fd;
  dir_dev_ = id.dev;
  dir_ino_ = id.ino;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const unsigned char t = entries_[i].type;
    if (t == DT_LNK || t == DT_UNKNOWN || (stat_all && !IsDotEntryName(Name(i)))) Stated(i);
  }
  return true;
}

DirBlock::Entry& DirBlock::Stated(std::size_t i) {
  Entry& e = entries_[i];
  if (e.stat_state == StatState::kNotRead) {
    e.stat_state = StatEntry(fd_, Name(i), e.stat) ? StatState::kRead : StatState::kFailed;
  }
  return e;
}

bool DirBlock::IsDirectory(std::size_t i) {
  const unsigned char t = entries_[i].type;
  if (t == DT_DIR) return true;
  if (t != DT_LNK && t != DT_UNKNOWN) return false;
  const Entry& e = Stated(i);
  return e.stat_state == StatState::kRead && S_ISDIR(e.stat.mode);
}

}  // namespace krellix
