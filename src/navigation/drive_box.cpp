#include "navigation/drive_box.h"

#include <QComboBox>
#include <QTreeView>

#include "navigation/directory_tree_model.h"
#include "platform/volume_labels.h"
#include "widgets/qt_text.h"

namespace krellix {

std::vector<MountPoint> DriveMountPoints() {
  std::vector<MountPoint> mounts;
  for (MountPoint& m : ListMountPoints()) {
    if (DirectoryExists(m.path)) mounts.push_back(std::move(m));
  }
  if (mounts.empty()) mounts.push_back({std::string(1, kPathDelim), "", ""});
  return mounts;
}

void FillDriveBox(QComboBox& box, const std::vector<MountPoint>& mounts, VolumeLabels& labels) {
  const QSignalBlocker block(&box);
  box.clear();
  for (const MountPoint& m : mounts) {
    const std::string label = labels.LabelOfPath(m.path);
    box.addItem(label.empty() ? PathToQt(m.path) : PathToQt(m.path) + " [" + ToQt(label) + "]");
  }
}

void ShowDirectoryIn(QComboBox& box, QTreeView& tree, DirectoryTreeModel& dirs,
                     const std::vector<MountPoint>& mounts, const std::string& dir) {
  const std::string mount = MountPointOf(dir, mounts);
  for (std::size_t i = 0; i < mounts.size(); ++i) {
    if (mounts[i].path == mount) {
      const QSignalBlocker block(&box);
      box.setCurrentIndex(static_cast<int>(i));
    }
  }
  tree.setRootIndex(dirs.IndexOf(mount));
  const QModelIndex index = dirs.IndexOf(dir);
  if (!index.isValid()) return;
  tree.setCurrentIndex(index);
  tree.expand(index);
  tree.scrollTo(index);
}

}  // namespace krellix
