#pragma once

#include <string>
#include <vector>

#include "platform/file_system.h"

class QComboBox;
class QTreeView;

namespace krellix {

class DirectoryTreeModel;
class VolumeLabels;

// The mount points a drive box lists: those that are directories (files bound into place are
// mount points too, but no drives); "/" alone when there is none.
std::vector<MountPoint> DriveMountPoints();

// Fills `box` with one entry per mount point, in order: its path, followed by " [label]" when
// the file system has a label. Sends no signal.
void FillDriveBox(QComboBox& box, const std::vector<MountPoint>& mounts, VolumeLabels& labels);

// Shows `dir` (tree form) in a drive box and tree pair: the box marks the mount point that
// holds it (without a signal), the tree shows that mount point's directories with `dir` current,
// open and in sight. When `dir` names no directory only the mount point is shown.
void ShowDirectoryIn(QComboBox& box, QTreeView& tree, DirectoryTreeModel& dirs,
                     const std::vector<MountPoint>& mounts, const std::string& dir);

}  // namespace krellix
