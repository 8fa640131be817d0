#include "checksums/checksum_run.h"

#include <algorithm>
#include <cerrno>

#include "checksums/gen_md5.h"
#include "platform/md5_hasher.h"

namespace krellix {

ChecksumRun::ChecksumRun(std::vector<std::string> files, unsigned threads,
                         std::function<void()> on_ready)
    : files_(std::move(files)),
      on_ready_(std::move(on_ready)),
      checksums_(files_.size()),
      ready_(files_.size(), 0) {
  const std::size_t count = std::min<std::size_t>(std::max(1U, threads), files_.size());
  running_ = static_cast<unsigned>(count);
  workers_.reserve(count);
  for (std::size_t i = 0; i < count; ++i) workers_.emplace_back([this] { Work(); });
}

ChecksumRun::~ChecksumRun() {
  Stop();
  Wait();
}

unsigned ChecksumRun::DefaultThreads() { return std::max(2U, std::thread::hardware_concurrency()); }

void ChecksumRun::Work() {
  Md5Hasher hasher;
  Md5Digest digest{};
  while (!stop_.load(std::memory_order_relaxed)) {
    const std::size_t i = next_.fetch_add(1);
    if (i >= files_.size()) break;
    std::string text;
    if (const FileResult result = hasher.Hash(files_[i], digest, &stop_)) {
      text = Md5Text(digest);
    } else if (result.Error().code == ECANCELED) {
      break;
    } else {
      text = kMd5Failed;
    }
    {
      const std::lock_guard lock(mutex_);
      checksums_[i] = std::move(text);
      ready_[i] = 1;
    }
    if (on_ready_) on_ready_();
  }
  {
    const std::lock_guard lock(mutex_);
    --running_;
  }
  ended_.notify_all();
  if (on_ready_) on_ready_();
}

std::size_t ChecksumRun::TakeReady(std::vector<ChecksumRow>& out) {
  const std::lock_guard lock(mutex_);
  const std::size_t first = taken_;
  while (taken_ < files_.size() && ready_[taken_] != 0) {
    out.push_back({std::move(checksums_[taken_]), files_[taken_]});
    ++taken_;
  }
  return taken_ - first;
}

void ChecksumRun::Stop() { stop_.store(true); }

void ChecksumRun::Wait() {
  for (std::thread& worker : workers_) {
    if (worker.joinable()) worker.join();
  }
}

bool ChecksumRun::Finished() const {
  const std::lock_guard lock(mutex_);
  return running_ == 0 && (taken_ == files_.size() || ready_[taken_] == 0);
}

}  // namespace krellix
