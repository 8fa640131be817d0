#pragma once

#include <dirent.h>

#include <cstdint>
#include <string>
#include <vector>

namespace krellix {

// The metadata of one entry as statx gives it (links followed; a dangling link describes
// itself), before any conversion to local time or attribute bits.
struct RawEntryStat {
  unsigned mode = 0;
  std::uint64_t size = 0;
  std::int64_t mtime_sec = 0;
  std::uint32_t mtime_nsec = 0;
  std::int64_t btime_sec = 0;
  std::uint32_t btime_nsec = 0;
  bool has_btime = false;
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
};

// Reads `name` relative to the open directory `dir_fd` into `out`. False when neither the
// entry nor, for a link, the link itself can be queried.
bool StatEntry(int dir_fd, const char* name, RawEntryStat& out);

// "." or "..".
bool IsDotEntryName(const char* name);

// The devices of the kernel's file systems mounted on /proc and /sys (0 where there is none).
// Their symbolic links are not followed by a walk: they lead back into the tree (a process's
// open files, working folder and root, the folders the walk itself holds open) or across
// /sys's web of cross-references, each path of which would be walked again.
struct KernelFsDevices {
  std::uint64_t proc = 0, sys = 0;
  bool Holds(std::uint64_t dev) const { return dev != 0 && (dev == proc || dev == sys); }
};
KernelFsDevices FindKernelFsDevices();

// Every entry of one directory, "." and ".." included, in the order the file system gives,
// read in large getdents64 batches. The directory stays open while the block lives, so its
// entries can be queried and its sub-directories opened relative to it.
class DirBlock {
 public:
  enum class StatState : std::uint8_t { kNotRead, kRead, kFailed };
  struct Entry {
    std::uint32_t name_offset = 0;
    unsigned char type = 0;  // a DT_* value
    StatState stat_state = StatState::kNotRead;
    RawEntryStat stat;
  };

  DirBlock() = default;
  ~DirBlock();
  DirBlock(const DirBlock&) = delete;
  DirBlock& operator=(const DirBlock&) = delete;

  // Device and inode of a directory.
  struct Id {
    std::uint64_t dev = 0, ino = 0;
  };

  // Opens `name` relative to `parent_fd` (or a path with AT_FDCWD), links followed, and reads
  // its entries. With `stat_all` every entry's metadata is read too ("." and ".." aside: they
  // are never items); otherwise only that of entries whose type the listing leaves open
  // (links and unknown types). `known`, when given, is the directory's own device and inode
  // as its parent's listing gave them, saving a query. `scratch` is the read buffer, reused
  // between calls. False when the directory cannot be opened or read.
  bool Read(int parent_fd, const char* name, bool stat_all, std::vector<char>& scratch,
            const Id* known = nullptr);

  bool Ok() const { return fd_ >= 0; }
  int Fd() const { return fd_; }
  std::uint64_t DirDevice() const { return dir_dev_; }
  std::uint64_t DirInode() const { return dir_ino_; }

  std::size_t Count() const { return entries_.size(); }
  const char* Name(std::size_t i) const { return names_.data() + entries_[i].name_offset; }
  Entry& At(std::size_t i) { return entries_[i]; }
  // Reads the metadata of entry `i` unless it was read before.
  Entry& Stated(std::size_t i);
  // True for directories, links to directories included.
  bool IsDirectory(std::size_t i);
  // True for a symbolic link on one of the kernel's file systems (see KernelFsDevices).
  bool IsKernelFsLink(std::size_t i, const KernelFsDevices& kernel_fs) const {
    return kernel_fs.Holds(dir_dev_) && entries_[i].type == DT_LNK;
  }

 private:
  void Close();

  int fd_ = -1;
  std::uint64_t dir_dev_ = 0, dir_ino_ = 0;
  std::string names_;  // every name followed by its NUL
  std::vector<Entry> entries_;
};

}  // namespace krellix
