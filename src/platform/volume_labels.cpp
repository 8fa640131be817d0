#include "platform/volume_labels.h"

#include <dirent.h>
#include <sys/stat.h>

#include <optional>
#include <string_view>

#include "platform/number_text.h"

namespace krellix {

VolumeLabels::VolumeLabels(std::string by_label_dir) : by_label_dir_(std::move(by_label_dir)) {}

std::string UnescapeUdevName(const std::string& name) {
  const std::string_view text = name;
  std::string out;
  out.reserve(name.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::optional<unsigned char> byte =
        text.substr(i, 2) == "\\x" && i + 3 < text.size()
            ? ParseDigits<unsigned char>(text.substr(i + 2, 2), 16)
            : std::nullopt;
    if (byte) {
      out.push_back(static_cast<char>(*byte));
      i += 3;
    } else {
      out.push_back(text[i]);
    }
  }
  return out;
}

void VolumeLabels::LoadTable() {
  loaded_ = true;
  labels_.clear();
  DIR* dir = ::opendir(by_label_dir_.c_str());
  if (dir == nullptr) return;
  while (dirent* e = ::readdir(dir)) {
    if (e->d_name[0] == '.') continue;
    struct stat st {};
    const std::string link = by_label_dir_ + "/" + e->d_name;
    if (::stat(link.c_str(), &st) != 0 || !S_ISBLK(st.st_mode)) continue;
    labels_.emplace(static_cast<std::uint64_t>(st.st_rdev), UnescapeUdevName(e->d_name));
  }
  ::closedir(dir);
}

const std::string& VolumeLabels::LabelOfDevice(std::uint64_t device) {
  if (!loaded_) LoadTable();
  const auto it = labels_.find(device);
  if (it != labels_.end()) return it->second;
  // Remember the miss so the device costs one lookup only.
  return labels_.emplace(device, std::string()).first->second;
}

std::string VolumeLabels::LabelOfPath(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return "Unknown";
  return LabelOfDevice(static_cast<std::uint64_t>(st.st_dev));
}

void VolumeLabels::Reset() {
  loaded_ = false;
  labels_.clear();
}

}  // namespace krellix
