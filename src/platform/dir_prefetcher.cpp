#include "platform/dir_prefetcher.h"

#include <algorithm>

namespace krellix {

struct DirPrefetcher::Job {
  enum class State { kQueued, kRunning, kDone };
  std::shared_ptr<const DirBlock> parent;
  std::string name;
  bool stat_all = false;
  State state = State::kQueued;
  std::shared_ptr<DirBlock> result;
};

namespace {

std::shared_ptr<DirBlock> ReadJob(const DirPrefetcher::Job& job, std::vector<char>& scratch) {
  auto block = std::make_shared<DirBlock>();
  block->Read(job.parent->Fd(), job.name.c_str(), job.stat_all, scratch);
  return block;
}

}  // namespace

DirPrefetcher::DirPrefetcher(unsigned workers) {
  if (workers == 0) workers = std::max(1u, std::thread::hardware_concurrency());
  threads_.reserve(workers);
  for (unsigned i = 0; i < workers; ++i) {
    threads_.emplace_back([this](std::stop_token stop) { Work(stop); });
  }
}

DirPrefetcher::~DirPrefetcher() {
  for (std::jthread& t : threads_) t.request_stop();
  threads_.clear();  // joins
}

void DirPrefetcher::Work(std::stop_token stop) {
  std::vector<char> scratch;
  for (;;) {
    Ticket job;
    {
      std::unique_lock lock(mutex_);
      if (!work_ready_.wait(lock, stop, [this] { return !queue_.empty(); })) return;
      job = std::move(queue_.front());
      queue_.pop_front();
      job->state = Job::State::kRunning;
    }
    std::shared_ptr<DirBlock> block = ReadJob(*job, scratch);
    {
      std::lock_guard lock(mutex_);
      job->result = std::move(block);
      job->parent.reset();
      job->state = Job::State::kDone;
    }
    done_.notify_all();
  }
}

DirPrefetcher::Ticket DirPrefetcher::Request(std::shared_ptr<const DirBlock> parent,
                                             std::string name, bool stat_all) {
  auto job = std::make_shared<Job>();
  job->parent = std::move(parent);
  job->name = std::move(name);
  job->stat_all = stat_all;
  {
    std::lock_guard lock(mutex_);
    queue_.push_back(job);
  }
  work_ready_.notify_one();
  return job;
}

std::shared_ptr<DirBlock> DirPrefetcher::Take(const Ticket& ticket) {
  std::unique_lock lock(mutex_);
  if (ticket->state == Job::State::kQueued) {
    queue_.erase(std::find(queue_.begin(), queue_.end(), ticket));
    ticket->state = Job::State::kRunning;
    lock.unlock();
    std::shared_ptr<DirBlock> block = ReadJob(*ticket, scratch_);
    ticket->parent.reset();
    return block;
  }
  done_.wait(lock, [&] { return ticket->state == Job::State::kDone; });
  return std::move(ticket->result);
}

void DirPrefetcher::Cancel(const Ticket& ticket) {
  std::lock_guard lock(mutex_);
  if (ticket->state != Job::State::kQueued) return;
  queue_.erase(std::find(queue_.begin(), queue_.end(), ticket));
  ticket->state = Job::State::kDone;
  ticket->parent.reset();
}

}  // namespace krellix
