#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "platform/dir_block.h"

namespace krellix {

// Reads the directories of a depth-first walk ahead of it, on worker threads.
//
// The walk opens its start directory and then enters sub-directories one by one. Every
// directory read (by a worker or by the walk itself) queues reads of its own sub-directories,
// so the workers follow the tree on their own; they always take the queued directory that
// comes first in the walk's order, and stop reading while a bounded number of directories
// they read wait for the walk. A directory the walk passes over or leaves is dropped with
// everything read below it.
class DirTreeReader {
 public:
  struct Options {
    bool stat_all = false;  // read every entry's metadata with the listing (DirBlock::Read)
    bool descend = true;    // false: sub-directories are never read ahead
    // Directories never read ahead: a path starting with one of these (each ends with the
    // delimiter) is left for the walk to judge.
    std::vector<std::string> excluded;
    // Symbolic links on these are never followed.
    KernelFsDevices kernel_fs;
  };

  class Dir;
  using DirRef = std::shared_ptr<Dir>;

  // `workers` reading threads; 0 chooses: as many reading at once as there are cores, and more
  // (up to 16 threads) while reads wait for the disk.
  explicit DirTreeReader(unsigned workers);
  ~DirTreeReader();
  DirTreeReader(const DirTreeReader&) = delete;
  DirTreeReader& operator=(const DirTreeReader&) = delete;

  unsigned Workers() const { return static_cast<unsigned>(threads_.size()); }

  // Starts a walk at `path` (ending with the delimiter): reads it here and now. Reads queued by
  // an earlier walk are dropped.
  DirRef Open(const std::string& path, const Options& options);
  // The sub-directory at entry `index` of `dir`, a directory the walk is in: read ahead, or
  // read here now. Reads below entries of `dir` before `index` are dropped.
  DirRef Enter(Dir& dir, std::size_t index);

  struct Shared;

 private:
  void Work(const std::stop_token& stop);
  void ReadHere(Dir& dir);
  DirRef TakeQueued();
  void ReadAhead(Dir& dir, std::vector<char>& scratch, bool worker);

  std::shared_ptr<Shared> shared_;
  std::vector<char> scratch_;  // the walk's own read buffer
  std::vector<std::jthread> threads_;
};

// One directory of the walk.
class DirTreeReader::Dir {
 public:
  ~Dir();
  Dir(const Dir&) = delete;
  Dir& operator=(const Dir&) = delete;

  // Its entries; Ok() is false when it could not be opened or read.
  DirBlock& Block() { return *block_; }
  const std::shared_ptr<DirBlock>& BlockRef() const { return block_; }

 private:
  friend class DirTreeReader;
  enum class State : std::uint8_t { kQueued, kRunning, kDone };
  // The directories above this one, to keep a link loop out of the reads ahead.
  struct Ancestor {
    std::uint64_t dev = 0, ino = 0;
    std::shared_ptr<const Ancestor> up;
  };

  Dir() = default;
  void Read(std::vector<char>& scratch);
  // A read of the sub-directory at entry `index`, not yet queued.
  DirRef Child(std::size_t index, std::string path) const;

  std::shared_ptr<Shared> shared_;
  std::shared_ptr<const Options> options_;
  std::vector<std::uint32_t> key_;  // entry indices from the start directory: the walk order
  std::string path_;                // with its trailing delimiter
  std::string name_;                // within the parent
  std::shared_ptr<const DirBlock> parent_;  // open until this directory is read
  std::optional<DirBlock::Id> known_;       // as the parent's listing gave it
  std::shared_ptr<const Ancestor> ancestors_;
  std::shared_ptr<const Ancestor> self_;  // this one on top of `ancestors_`, once read
  State state_ = State::kQueued;
  bool waiting_ = false;  // read by a worker and not yet entered: counts against the bound
  std::shared_ptr<DirBlock> block_;
  // Sub-directories queued when this one was read, by entry index; the walk takes them in
  // order from `next_`.
  std::vector<std::pair<std::size_t, DirRef>> children_;
  std::size_t next_ = 0;
};

}  // namespace krellix
