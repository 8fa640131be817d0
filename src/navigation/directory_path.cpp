#include "navigation/directory_path.h"

#include <vector>

#include "platform/file_system.h"

namespace krellix {

std::string TreeForm(const std::string& path, const std::string& base) {
  const std::string full =
      (!path.empty() && path.front() == kPathDelim) ? path : WithTrailingDelim(base) + path;
  // Resolved by text, not on disk: a symbolic link keeps the name the user went through.
  std::vector<std::string> levels;
  std::size_t start = 0;
  while (start <= full.size()) {
    std::size_t end = full.find(kPathDelim, start);
    if (end == std::string::npos) end = full.size();
    const std::string level = full.substr(start, end - start);
    if (level == "..") {
      if (!levels.empty()) levels.pop_back();
    } else if (!level.empty() && level != ".") {
      levels.push_back(level);
    }
    start = end + 1;
  }
  std::string out;
  for (const std::string& level : levels) out += kPathDelim + level;
  return out.empty() ? std::string(1, kPathDelim) : out;
}

}  // namespace krellix
