#include "base/activity_log.h"

namespace krellix {

void ActivityLog::AddLogLine(const std::string& text) {
  AddRawLine(FormatLogStamp(clock_.Now()) + text);
}

void ActivityLog::AddRawLine(const std::string& text) {
  lines_.push_back(text);
  if (on_line_added) on_line_added(lines_.back());
}

void ActivityLog::Clear() {
  lines_.clear();
  if (on_cleared) on_cleared();
}

}  // namespace krellix
