#include "platform/dir_tree_reader.h"

#include <fcntl.h>
#include <pthread.h>

#include <algorithm>

#include "platform/file_system.h"

namespace krellix {

struct DirTreeReader::Shared {
  std::mutex mutex;
  std::condition_variable_any work;  // a queued read, or room under the bound
  std::condition_variable done;      // a read finished
  // Reads not begun, in the walk's order. Weak: a directory the walk dropped just expires.
  std::map<std::vector<std::uint32_t>, std::weak_ptr<Dir>> queue;
  std::size_t waiting = 0;  // directories read ahead and not yet entered
  std::size_t bound = 0;
};

namespace {

bool UnderAny(const std::string& path, const std::vector<std::string>& prefixes) {
  return std::any_of(prefixes.begin(), prefixes.end(),
                     [&path](const std::string& p) { return path.compare(0, p.size(), p) == 0; });
}

bool IsDotName(const char* name) {
  return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

}  // namespace

DirTreeReader::Dir::~Dir() {
  if (!waiting_) return;
  {
    std::lock_guard lock(shared_->mutex);
    --shared_->waiting;
  }
  shared_->work.notify_all();
}

// Reads the directory and prepares (not yet queues) the reads of its sub-directories.
void DirTreeReader::Dir::Read(std::vector<char>& scratch) {
  block_ = std::make_shared<DirBlock>();
  if (parent_) {
    block_->Read(parent_->Fd(), name_.c_str(), options_->stat_all, scratch);
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
    if (IsDotName(name) || !b.IsDirectory(i)) continue;
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
  return child;
}

DirTreeReader::DirTreeReader(unsigned workers) : shared_(std::make_shared<Shared>()) {
  if (workers == 0) workers = std::max(1u, std::thread::hardware_concurrency());
  shared_->bound = 32 + 8 * static_cast<std::size_t>(workers);
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

// Reads a directory taken from the queue, for the walk to enter later.
void DirTreeReader::ReadAhead(Dir& dir, std::vector<char>& scratch) {
  Shared& s = *shared_;
  dir.Read(scratch);
  {
    std::lock_guard lock(s.mutex);
    dir.state_ = Dir::State::kDone;
    dir.waiting_ = true;
    ++s.waiting;
    for (const auto& [index, child] : dir.children_) s.queue.emplace(child->key_, child);
  }
  s.done.notify_all();
  s.work.notify_all();
}

void DirTreeReader::Work(const std::stop_token& stop) {
  pthread_setname_np(pthread_self(), "dir reader");  // as top and perf show it
  Shared& s = *shared_;
  std::vector<char> scratch;
  for (;;) {
    DirRef dir;
    {
      std::unique_lock lock(s.mutex);
      if (!s.work.wait(lock, stop, [&s] { return !s.queue.empty() && s.waiting < s.bound; })) {
        return;
      }
      dir = TakeQueued();
    }
    // Released after the lock: it may be the last reference.
    if (dir) ReadAhead(*dir, scratch);
  }
}

// Reads `dir` on the walk's own thread and queues the reads below it.
void DirTreeReader::ReadHere(Dir& dir) {
  dir.Read(scratch_);
  {
    std::lock_guard lock(shared_->mutex);
    dir.state_ = Dir::State::kDone;
    for (const auto& [index, child] : dir.children_) shared_->queue.emplace(child->key_, child);
  }
  shared_->work.notify_all();
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
    DirRef other = s.waiting < s.bound ? TakeQueued() : nullptr;
    if (!other) {
      s.done.wait(lock, [&child] { return child->state_ == Dir::State::kDone; });
      break;
    }
    lock.unlock();
    ReadAhead(*other, scratch_);
    other.reset();
    lock.lock();
  }
  if (child->waiting_) {
    child->waiting_ = false;
    --s.waiting;
    lock.unlock();
    s.work.notify_all();
  }
  return child;
}

}  // namespace krellix
