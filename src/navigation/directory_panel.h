#pragma once

#include <QTabWidget>
#include <string>
#include <vector>

#include "base/check_list.h"
#include "navigation/list_tab_controls.h"
#include "platform/file_system.h"
#include "scan/scan_host.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QSplitter;
class QTreeView;

namespace krellix {

class DirectoryTreeModel;

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
  int PreviewHeight() const;

  QTreeView* Tree() const { return tree_; }
  QComboBox* DriveBox() const { return drives_; }
  // The mount point the drive box shows; "/" when it shows none.
  std::string DriveBoxMount() const;
  QWidget* PreviewPane() const { return preview_; }
  // Puts `pane` under the tree in place of the empty one the panel starts with.
  void SetPreviewPane(QWidget* pane);
  CheckListWidget* IncludeView() const { return include_view_; }
  CheckListWidget* ExcludeView() const { return exclude_view_; }
  // The tree's context menu, for the main window to add its commands to.
  QMenu* TreeMenu() const { return tree_menu_; }
  const ListTabControls& IncludeControls() const { return include_controls_; }
  const ListTabControls& ExcludeControls() const { return exclude_controls_; }

  // The directory of the tree entry that carries the selection mark (the user may have moved it
  // away from the current directory); "" when none does.
  std::string MarkedDirectory() const;
  // The mount point listed in the drive box that holds `dir`.
  std::string MountPointFor(const std::string& dir) const;
  // "Refresh": lists the mount points again and re-reads the tree from disk, showing `dir`.
  void Refresh(VolumeLabels& labels, const std::string& dir);

 signals:
  // The user opened a directory in the tree (double click or Enter) or chose a drive.
  void directoryChosen(const std::string& dir);
  void driveChosen(const std::string& mount_point);
  // The user dragged the preview pane to `height`.
  void previewResized(int height);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* BuildTreeTab();
  QWidget* BuildListTab(CheckListWidget* view, const QString& name, ListTabControls& controls);
  // A fresh model of the directories for the tree; the old one goes.
  void ReadDirectories();

  std::vector<MountPoint> mounts_;
  QComboBox* drives_ = nullptr;
  DirectoryTreeModel* dirs_ = nullptr;
  QTreeView* tree_ = nullptr;
  QWidget* preview_ = nullptr;
  QSplitter* tree_split_ = nullptr;
  QMenu* tree_menu_ = nullptr;
  CheckListWidget* include_view_ = nullptr;
  CheckListWidget* exclude_view_ = nullptr;
  ListTabControls include_controls_;
  ListTabControls exclude_controls_;
};

}  // namespace krellix
