#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/dir_block.h"

namespace krellix {

// A small pool of worker threads that read directories ahead of a walk. The walk asks for the
// directories it will enter next; each request yields a ticket, and taking the ticket gives
// the directory's block: at once when a worker has read it, after a wait while a worker reads
// it, or read by the caller when no worker has begun it yet. Jobs run in the order requested.
class DirPrefetcher {
 public:
  struct Job;
  using Ticket = std::shared_ptr<Job>;

  // `workers` 0 means one per hardware thread.
  explicit DirPrefetcher(unsigned workers);
  ~DirPrefetcher();
  DirPrefetcher(const DirPrefetcher&) = delete;
  DirPrefetcher& operator=(const DirPrefetcher&) = delete;

  unsigned Workers() const { return static_cast<unsigned>(threads_.size()); }

  // Queues the read of the sub-directory `name` of `parent` (kept open until the read is done).
  Ticket Request(std::shared_ptr<const DirBlock> parent, std::string name, bool stat_all);
  // The block of a requested directory; Ok() is false when it could not be read.
  std::shared_ptr<DirBlock> Take(const Ticket& ticket);
  // Withdraws a request that is no longer wanted; a read already under way is left to finish.
  void Cancel(const Ticket& ticket);

 private:
  void Work(std::stop_token stop);

  std::mutex mutex_;
  std::condition_variable_any work_ready_;
  std::condition_variable done_;
  std::deque<Ticket> queue_;
  std::vector<char> scratch_;  // the caller's read buffer
  std::vector<std::jthread> threads_;
};

}  // namespace krellix
