#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace krellix {

// "12 directories, 3456 entries, 78 matches".
std::string ProgressText(std::int64_t dirs, std::int64_t entries, std::int64_t matches);

// A progress line on a terminal, rewritten in place: the first update is shown at once, later
// ones only when `interval_ms` have passed since the last one shown.
class ProgressLine {
 public:
  ProgressLine(std::function<void(const std::string&)> write,
               std::function<std::int64_t()> steady_ms, std::int64_t interval_ms = 250)
      : write_(std::move(write)), steady_ms_(std::move(steady_ms)), interval_ms_(interval_ms) {}

  void Update(std::int64_t dirs, std::int64_t entries, std::int64_t matches);
  // Takes the line away again, when one is showing.
  void Clear();

 private:
  std::function<void(const std::string&)> write_;
  std::function<std::int64_t()> steady_ms_;
  std::int64_t interval_ms_;
  bool shown_ = false;
  std::int64_t last_ms_ = 0;
};

}  // namespace krellix
