#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/clock.h"

namespace krellix {

// The activity log: one time-stamped line per action, "yyyy/mm/dd hh:nn:ss " + text.
class ActivityLog {
 public:
  explicit ActivityLog(const Clock& clock) : clock_(clock) {}

  // Stamps `text` with the current local time and appends it.
  void AddLogLine(const std::string& text);
  // Appends a line as it is, without a stamp.
  void AddRawLine(const std::string& text);
  void Clear();

  const std::vector<std::string>& Lines() const { return lines_; }

  // Let a view follow the log: called after every added line and after Clear.
  std::function<void(const std::string&)> on_line_added;
  std::function<void()> on_cleared;

 private:
  const Clock& clock_;
  std::vector<std::string> lines_;
};

}  // namespace krellix
