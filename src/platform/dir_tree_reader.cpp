#include "platform/dir_tree_reader.h"

#include <fcntl.h>
#include <pthread.h>
#include <sys/resource.h>

#include <algorithm>

#include "platform/file_system.h"

namespace krellix {

struct DirTreeReader::Shared {
  std::mutex mutex;
  // A queued read, or room under the bound; each change wakes one worker, not all of them.
  std::condition_variable_any work;
  std::condition_variable done;  // a read finished
  // Reads not begun, in the walk's order. Weak: a directory the walk dropped just expires.
  std::map<std::vector<std::uint32_t>, std::weak_ptr<Dir>> queue;
  // Directories read ahead and not yet entered, with their entries: both bounded, so a tree of
  // huge directories does not fill the memory either.
  std::size_t waiting = 0;
  std::size_t bound = 0;
  std::size_t waiting_entries = 0;
  static constexpr std::size_t kEntryBound = 1'000'000;
  // Workers reading now, and how many may: from `min_active` (the cores) up to every worker
  // while reads wait for the disk, back down while they do not.
  unsigned reading = 0;
  unsigned active = 1, min_active = 1, max_active = 1;

  // Whether a sleeping worker could start a read now: only then is one woken, since a worker
  // that wakes to nothing costs two switches. Called with the lock held.
  bool Room() const { return waiting < bound && waiting_entries < kEntryBound; }
  bool CanRead() const { return !queue.empty() && Room() && reading < active; }

  // A directory read ahead starts or stops waiting for the walk. Called with the lock held.
  void Hold(Dir& dir);
  void Release(Dir& dir);
};

namespace {

bool UnderAny(const std::string& path, const std::vector<std::string>& prefixes) {
  return std::any_of(prefixes.begin(), prefixes.end(),
                     [&path](const std::string& p) { return path.compare(0, p.size(), p) == 0; });
}

// Blocks this thread has read from storage so far: it grows only while reads miss the caches.
long ThreadBlockReads() {
  struct rusage usage {};
  return ::getrusage(RUSAGE_THREAD, &usage) == 0 ? usage.ru_inblock : 0;
}

}  // namespace

void DirTreeReader::Shared::Hold(Dir& dir) {
  dir.waiting_ = true;
  ++waiting;
  waiting_entries += dir.block_->Count();
}

void DirTreeReader::Shared::Release(Dir& dir) {
  dir.waiting_ = false;
  --waiting;
  waiting_entries -= dir.block_->Count();
}

DirTreeReader::Dir::~Dir() {
  if (!waiting_) return;
  bool wake = false;
  {
    std::lock_guard lock(shared_->mutex);
    shared_->Release(*this);
    wake = shared_->CanRead();
  }
  if (wake) shared_->work.notify_one();
}

// Reads the directory and prepares (not yet queues) the reads of its sub-directories.
void DirTreeReader::Dir::Read(std::vector<char>& scratch) {
  block_ = std::make_shared<DirBlock>();
  if (parent_) {
    block_->Read(parent_->Fd(), name_.c_str(), options_->stat_all, scratch,
                 known_ ? &*known_ : nullptr);
  } else {
    block_->Read(AT_FDCWD, path_.c_str(), options_->stat_all, scratch);
  }
  parent_.reset();
  if (!block_->Ok() || !options_->descend) return;
  for (const Ancestor* a = ancestors_.get(); a != nullptr; a = a->up.get()) {
    if (a->dev == block_->DirDevice() && a->ino == block_->DirInode()) return;  // a link loop
  }
  self_ = std::make_shared<const Ancestor>(
      Ancestor{block_->DirDevice(), block_->DirInode(), ancestors_});
  DirBlock& b = *block_;
  for (std::size_t i = 0; i < b.Count(); ++i) {
    const char* name = b.Name(i);
    if (IsDotEntryName(name) || b.IsKernelFsLink(i, options_->kernel_fs) || !b.IsDirectory(i)) {
      continue;
    }
    std::string path = path_ + name + kPathDelim;
    if (UnderAny(path, options_->excluded)) continue;
    children_.emplace_back(i, Child(i, std::move(path)));
  }
}

DirTreeReader::DirRef DirTreeReader::Dir::Child(std::size_t index, std::string path) const {
  DirRef child(new Dir);
  child->shared_ = shared_;
  child->options_ = options_;
  child->key_ = key_;
  child->key_.push_back(static_cast<std::uint32_t>(index));
  child->path_ = std::move(path);
  child->name_ = block_->Name(index);
  child->parent_ = block_;
  child->ancestors_ = self_;
  // Read here, before any other thread may touch the entry.
  const DirBlock::Entry& e = block_->At(index);
  if (e.stat_state == DirBlock::StatState::kRead) {
    child->known_ = DirBlock::Id{e.stat.device, e.stat.inode};
  }
  return child;
}

DirTreeReader::DirTreeReader(unsigned workers) : shared_(std::make_shared<Shared>()) {
  const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  Shared& s = *shared_;
  if (workers == 0) {
    // As many reading as there are cores while the caches answer; while reads wait for the
    // disk, more of them keep it busy.
    workers = std::min(16u, std::max(8u, 4 * cores));
    s.min_active = std::min(cores, workers);
  } else {
    s.min_active = workers;
  }
  s.active = s.min_active;
  s.max_active = workers;  // set before any worker starts: they read it
  s.bound = 32 + 8 * static_cast<std::size_t>(s.min_active);
  threads_.reserve(workers);
  for (unsigned i = 0; i < workers; ++i) {
    threads_.emplace_back([this](const std::stop_token& stop) { Work(stop); });
  }
}

DirTreeReader::~DirTreeReader() {
  for (std::jthread& t : threads_) t.request_stop();
  threads_.clear();  // joins
}

// The first live directory of the queue, marked as being read; null when there is none.
// Called with the lock held.
DirTreeReader::DirRef DirTreeReader::TakeQueued() {
  Shared& s = *shared_;
  // Expired entries belong to directories the walk dropped; locking one that lives takes a
  // reference, so no directory is destroyed while the lock is held.
  DirRef dir;
  while (!dir && !s.queue.empty()) {
    dir = s.queue.begin()->second.lock();
    s.queue.erase(s.queue.begin());
  }
  if (dir) dir->state_ = Dir::State::kRunning;
  return dir;
}

// Reads a directory taken from the queue, for the walk to enter later; `worker` when a worker
// reads it (and counts in `reading`).
void DirTreeReader::ReadAhead(Dir& dir, std::vector<char>& scratch, bool worker) {
  Shared& s = *shared_;
  dir.Read(scratch);
  bool wake = false;
  {
    std::lock_guard lock(s.mutex);
    if (worker) --s.reading;
    dir.state_ = Dir::State::kDone;
    s.Hold(dir);
    for (const auto& [index, child] : dir.children_) s.queue.emplace(child->key_, child);
    // A worker goes on to the next read itself.
    wake = !worker && s.CanRead();
  }
  s.done.notify_all();
  if (wake) s.work.notify_one();
}

void DirTreeReader::Work(const std::stop_token& stop) {
  pthread_setname_np(pthread_self(), "dir reader");  // as top and perf show it
  Shared& s = *shared_;
  const bool adapts = s.max_active > s.min_active;
  std::vector<char> scratch;
  long blocks = adapts ? ThreadBlockReads() : 0;
  for (unsigned reads = 1;; ++reads) {
    DirRef dir;
    {
      std::unique_lock lock(s.mutex);
      const bool go = s.work.wait(lock, stop, [&s] { return s.CanRead(); });
      if (!go) return;
      dir = TakeQueued();
      if (dir) ++s.reading;
      // Each change wakes one worker; the one woken passes it on while more can go.
      if (s.CanRead()) s.work.notify_one();
    }
    // Released after the lock: it may be the last reference.
    if (dir) ReadAhead(*dir, scratch, true);
    if (adapts && reads % 4 == 0) {
      // Every few reads: did they go to the disk?
      const long now = ThreadBlockReads();
      const bool from_disk = now > blocks;
      blocks = now;
      std::lock_guard lock(s.mutex);
      if (from_disk && s.active < s.max_active) {
        // Doubling: a cold tree should not wait long for its readers.
        s.active = std::min(s.max_active, 2 * s.active);
        if (s.CanRead()) s.work.notify_one();
      } else if (!from_disk && s.active > s.min_active) {
        --s.active;
      }
    }
  }
}

// Reads `dir` on the walk's own thread and queues the reads below it.
void DirTreeReader::ReadHere(Dir& dir) {
  dir.Read(scratch_);
  bool wake = false;
  {
    std::lock_guard lock(shared_->mutex);
    dir.state_ = Dir::State::kDone;
    for (const auto& [index, child] : dir.children_) shared_->queue.emplace(child->key_, child);
    wake = shared_->CanRead();
  }
  if (wake) shared_->work.notify_one();
}

DirTreeReader::DirRef DirTreeReader::Open(const std::string& path, const Options& options) {
  {
    std::lock_guard lock(shared_->mutex);
    shared_->queue.clear();
  }
  DirRef dir(new Dir);
  dir->shared_ = shared_;
  dir->options_ = std::make_shared<const Options>(options);
  dir->path_ = path;
  dir->state_ = Dir::State::kRunning;
  ReadHere(*dir);
  return dir;
}

DirTreeReader::DirRef DirTreeReader::Enter(Dir& dir, std::size_t index) {
  // Sub-directories passed over are dropped, with what was read below them (outside the lock:
  // a directory's destructor takes it).
  auto& children = dir.children_;
  while (dir.next_ < children.size() && children[dir.next_].first < index) {
    children[dir.next_++].second.reset();
  }
  if (dir.next_ == children.size() || children[dir.next_].first != index) {
    // Not planned (the exclude list changed while the walk ran, say): read here.
    DirRef child = dir.Child(index, dir.path_ + dir.block_->Name(index) + kPathDelim);
    child->state_ = Dir::State::kRunning;
    ReadHere(*child);
    return child;
  }
  DirRef child = std::move(children[dir.next_++].second);
  Shared& s = *shared_;
  std::unique_lock lock(s.mutex);
  if (child->state_ == Dir::State::kQueued) {
    // No worker has begun it: reading it here beats waiting.
    s.queue.erase(child->key_);
    child->state_ = Dir::State::kRunning;
    lock.unlock();
    ReadHere(*child);
    return child;
  }
  // A worker is reading it: meanwhile this thread reads ahead too, rather than sleep.
  while (child->state_ != Dir::State::kDone) {
    DirRef other = s.Room() ? TakeQueued() : nullptr;
    if (!other) {
      s.done.wait(lock, [&child] { return child->state_ == Dir::State::kDone; });
      break;
    }
    lock.unlock();
    ReadAhead(*other, scratch_, false);
    other.reset();
    lock.lock();
  }
  if (child->waiting_) {
    s.Release(*child);
    const bool wake = s.CanRead();
    lock.unlock();
    if (wake) s.work.notify_one();
  }
  return child;
}

}  // namespace krellix
