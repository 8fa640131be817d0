#include "platform/dir_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "platform/attributes.h"
#include "platform/wall_time.h"

namespace krellix {

DirReader::~DirReader() { Close(); }

bool DirReader::Open(const std::string& path) {
  Close();
  return Finish(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

bool DirReader::OpenChild(const DirReader& parent, const char* name) {
  Close();
  if (parent.dir_ == nullptr) return false;
  return Finish(::openat(::dirfd(parent.dir_), name, O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

bool DirReader::Finish(int fd) {
  if (fd < 0) return false;
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    ::close(fd);
    return false;
  }
  dir_dev_ = st.st_dev;
  dir_ino_ = st.st_ino;
  dir_ = ::fdopendir(fd);
  if (dir_ == nullptr) {
    ::close(fd);
    return false;
  }
  return true;
}

void DirReader::Close() {
  if (dir_ != nullptr) ::closedir(dir_);
  dir_ = nullptr;
  entry_ = nullptr;
}

bool DirReader::Next() {
  if (dir_ == nullptr) return false;
  entry_ = ::readdir(dir_);
  stat_done_ = false;
  return entry_ != nullptr;
}

void DirReader::EnsureStat() {
  if (stat_done_) return;
  stat_done_ = true;
  const unsigned mask = STATX_TYPE | STATX_MODE | STATX_SIZE | STATX_MTIME | STATX_BTIME;
  struct statx sx {};
  const int fd = ::dirfd(dir_);
  int rc = ::statx(fd, entry_->d_name, AT_NO_AUTOMOUNT | AT_STATX_DONT_SYNC, mask, &sx);
  if (rc != 0) {
    // A dangling link or a vanished entry: describe the link itself, or nothing.
    rc = ::statx(fd, entry_->d_name, AT_NO_AUTOMOUNT | AT_STATX_DONT_SYNC | AT_SYMLINK_NOFOLLOW,
                 mask, &sx);
  }
  if (rc != 0) {
    attributes_ = AttributesFromMode(entry_->d_name, 0);
    size_ = 0;
    modified_ = created_ = 0;
    dev_ = dir_dev_;
    return;
  }
  attributes_ = AttributesFromMode(entry_->d_name, sx.stx_mode);
  size_ = S_ISDIR(sx.stx_mode) ? 0 : static_cast<std::int64_t>(sx.stx_size);
  // Last-write times keep the two-second steps of the classic file times.
  const WallMs mtime = times_.FromUtc(sx.stx_mtime.tv_sec);
  modified_ = mtime - (((mtime % 2000) + 2000) % 2000);
  if (sx.stx_mask & STATX_BTIME) {
    created_ =
        times_.FromUtc(sx.stx_btime.tv_sec, static_cast<int>(sx.stx_btime.tv_nsec / 1'000'000));
  } else {
    created_ =
        times_.FromUtc(sx.stx_mtime.tv_sec, static_cast<int>(sx.stx_mtime.tv_nsec / 1'000'000));
  }
  dev_ = makedev(sx.stx_dev_major, sx.stx_dev_minor);
}

bool DirReader::IsDirectory() {
  const unsigned char t = entry_->d_type;
  if (t == DT_DIR) return true;
  if (t != DT_LNK && t != DT_UNKNOWN) return false;
  EnsureStat();
  return (attributes_ & attr::kDirectory) != 0;
}

std::uint32_t DirReader::Attributes() {
  EnsureStat();
  return attributes_;
}

std::int64_t DirReader::Size() {
  EnsureStat();
  return size_;
}

WallMs DirReader::Modified() {
  EnsureStat();
  return modified_;
}

WallMs DirReader::Created() {
  EnsureStat();
  return created_;
}

std::uint64_t DirReader::Device() {
  EnsureStat();
  return dev_;
}

}  // namespace krellix
