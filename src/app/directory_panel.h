#pragma once

#include <QTabWidget>
#include <string>
#include <vector>

#include "navigation/check_list.h"
#include "platform/file_system.h"
#include "scan/scan_host.h"

class QComboBox;
class QFileSystemModel;
class QLabel;
class QMenu;
class QPushButton;
class QSplitter;
class QTreeView;

namespace krellix {

class CheckListWidget;
class VolumeLabels;

// The left panel: the "Tree" tab with the drive box, the directory tree and the preview pane
// below them, and the "List" (include) and "Skip" (exclude) tabs.
//
// The panel only shows directories and reports what the user picks; the main window decides
// whether the current directory changes (directoryChosen), and then calls ShowDirectory.
class DirectoryPanel final : public QTabWidget {
  Q_OBJECT

 public:
  DirectoryPanel(CheckList& include_list, CheckList& exclude_list, QWidget* parent = nullptr);

  DirPane ActivePane() const;
  void ShowPane(DirPane pane);

  // Lists the mount points in the drive box, each with its volume label.
  void RebuildDrives(VolumeLabels& labels);
  // Marks `dir` (tree form) as the tree's current directory and its mount point in the drive
  // box, without reporting a choice.
  void ShowDirectory(const std::string& dir);

  // The height of the preview pane under the tree.
  void SetPreviewHeight(int height);

  QTreeView* Tree() const { return tree_; }
  QComboBox* DriveBox() const { return drives_; }
  // The mount point the drive box shows; "/" when it shows none.
  std::string DriveBoxMount() const;
  QWidget* PreviewPane() const { return preview_; }
  CheckListWidget* IncludeView() const { return include_view_; }
  CheckListWidget* ExcludeView() const { return exclude_view_; }
  // The tree's context menu, for the main window to add its commands to.
  QMenu* TreeMenu() const { return tree_menu_; }

 signals:
  // The user opened a directory in the tree (double click or Enter) or chose a drive.
  void directoryChosen(const std::string& dir);
  void driveChosen(const std::string& mount_point);

 private:
  QWidget* BuildTreeTab();
  QWidget* BuildListTab(CheckListWidget* view, const QString& name);

  std::vector<MountPoint> mounts_;
  QComboBox* drives_ = nullptr;
  QFileSystemModel* dirs_ = nullptr;
  QTreeView* tree_ = nullptr;
  QWidget* preview_ = nullptr;
  QSplitter* tree_split_ = nullptr;
  QMenu* tree_menu_ = nullptr;
  CheckListWidget* include_view_ = nullptr;
  CheckListWidget* exclude_view_ = nullptr;
};

}  // namespace krellix
