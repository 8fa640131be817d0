#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

namespace krellix {

// Labels of file systems, by device number, from /dev/disk/by-label. Each device is looked up
// once; the table is read on first use. An unlabelled file system gives "", a device that
// cannot be queried "Unknown".
class VolumeLabels {
 public:
  // `by_label_dir` is where the label links live; tests point it elsewhere.
  explicit VolumeLabels(std::string by_label_dir = "/dev/disk/by-label");

  const std::string& LabelOfDevice(std::uint64_t device);
  // Label of the file system holding `path`; "Unknown" when the path cannot be queried.
  std::string LabelOfPath(const std::string& path);
  // Forgets what was looked up, so the next run sees relabelled or newly mounted volumes.
  void Reset();

 private:
  void LoadTable();

  std::string by_label_dir_;
  bool loaded_ = false;
  std::unordered_map<std::uint64_t, std::string> labels_;  // device -> label
};

// Undoes the \xHH escapes udev writes into link names ("My\x20Disk" -> "My Disk").
std::string UnescapeUdevName(const std::string& name);

}  // namespace krellix
