#pragma once

#include <dirent.h>

#include <cstdint>
#include <string>

#include "platform/entry_facts.h"

namespace krellix {

class LocalTimeConverter;

// Enumerates one directory, "." and ".." included, in the order the file system gives.
// The current entry answers EntryFacts; its metadata is read with one statx relative to the
// open directory, only when asked. Symbolic links are followed; a dangling one reports itself.
class DirReader final : public EntryFacts {
 public:
  explicit DirReader(LocalTimeConverter& times) : times_(times) {}
  ~DirReader() override;
  DirReader(const DirReader&) = delete;
  DirReader& operator=(const DirReader&) = delete;

  // Opens a directory by path. False when it cannot be read (missing, no access, not a
  // directory, out of descriptors).
  bool Open(const std::string& path);
  // Opens the sub-directory `name` of an open reader, without building its path.
  bool OpenChild(const DirReader& parent, const char* name);
  void Close();

  // Device and inode of the open directory itself.
  std::uint64_t DirDevice() const { return dir_dev_; }
  std::uint64_t DirInode() const { return dir_ino_; }

  // Moves to the next entry; false at the end.
  bool Next();
  const char* Name() const { return entry_->d_name; }

  bool IsDirectory() override;
  std::uint32_t Attributes() override;
  bool IsVolumeId() override { return false; }
  std::int64_t Size() override;
  WallMs Modified() override;
  WallMs Created() override;
  std::uint64_t Device() override;

 private:
  bool Finish(int fd);
  void EnsureStat();

  LocalTimeConverter& times_;
  DIR* dir_ = nullptr;
  dirent* entry_ = nullptr;
  std::uint64_t dir_dev_ = 0, dir_ino_ = 0;

  bool stat_done_ = false;
  std::uint32_t attributes_ = 0;
  std::int64_t size_ = 0;
  WallMs modified_ = 0, created_ = 0;
  std::uint64_t dev_ = 0;
};

}  // namespace krellix
