#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace krellix {

// One row of a checksum list: the checksum text (see GenMD5) and the full name of its file.
struct ChecksumRow {
  std::string checksum;
  std::string name;

  bool operator==(const ChecksumRow&) const = default;
};

// The checksums of a list of files, computed on worker threads, several files at once. Rows
// are handed out in the order of the list, whatever order the files finish in. Each file is
// read once, as a stream.
class ChecksumRun {
 public:
  // Starts at once on `threads` workers (at least one, at most one per file). `on_ready`, when
  // given, is called on a worker thread after every finished row and when a worker ends; it
  // must be safe to call from several threads at once.
  ChecksumRun(std::vector<std::string> files, unsigned threads,
              std::function<void()> on_ready = {});
  // Stops, and waits for the workers.
  ~ChecksumRun();
  ChecksumRun(const ChecksumRun&) = delete;
  ChecksumRun& operator=(const ChecksumRun&) = delete;

  // Appends to `out` the rows that are ready, in list order, following those taken before;
  // returns how many. Never waits.
  std::size_t TakeReady(std::vector<ChecksumRow>& out);

  // Files not yet begun are passed over and files being read are abandoned; neither gets a
  // row. Rows finished before stay to be taken.
  void Stop();
  bool Stopped() const { return stop_.load(); }

  // Waits until every worker has ended.
  void Wait();

  // True when the workers have ended and every row they finished has been taken.
  bool Finished() const;

  // The number of workers for this machine: one per processor, and at least two, so that one
  // file's reading overlaps another's hashing.
  static unsigned DefaultThreads();

 private:
  void Work();

  std::vector<std::string> files_;
  std::function<void()> on_ready_;
  std::atomic<bool> stop_{false};
  std::atomic<std::size_t> next_{0};

  mutable std::mutex mutex_;
  std::condition_variable ended_;
  std::vector<std::string> checksums_;  // by list index, valid where ready_
  std::vector<char> ready_;
  std::size_t taken_ = 0;
  unsigned running_ = 0;

  std::vector<std::thread> workers_;
};

}  // namespace krellix
