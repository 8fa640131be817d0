#include "navigation/directory_panel.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include "navigation/check_list_widget.h"
#include "navigation/directory_tree_model.h"
#include "navigation/drive_box.h"

namespace krellix {

DirectoryPanel::DirectoryPanel(CheckList& include_list, CheckList& exclude_list, QWidget* parent)
    : QTabWidget(parent) {
  setToolTip("Switch between Directory tree, Directory list or Skip (Exclude) list");
  include_view_ = new CheckListWidget(include_list);
  include_view_->setObjectName("includeList");
  exclude_view_ = new CheckListWidget(exclude_list);
  exclude_view_->setObjectName("excludeList");
  addTab(BuildTreeTab(), "Tree");
  addTab(BuildListTab(include_view_, "List", include_controls_), "List");
  addTab(BuildListTab(exclude_view_, "Skip", exclude_controls_), "Skip");
}

QWidget* DirectoryPanel::BuildTreeTab() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(2, 2, 2, 2);

  drives_ = new QComboBox;
  drives_->setObjectName("driveBox");
  // The main window adds "Copy drive", "Refresh" and "Drive info...".
  drives_->setContextMenuPolicy(Qt::ActionsContextMenu);
  connect(drives_, &QComboBox::activated, this, [this](int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < mounts_.size()) {
      emit driveChosen(mounts_[static_cast<std::size_t>(index)].path);
    }
  });
  layout->addWidget(drives_);

  tree_ = new QTreeView;
  tree_->setObjectName("directoryTree");
  tree_->header()->hide();
  tree_->setUniformRowHeights(true);
  tree_->setContextMenuPolicy(Qt::CustomContextMenu);
  ReadDirectories();
  connect(tree_, &QTreeView::activated, this,
          [this](const QModelIndex& index) { emit directoryChosen(dirs_->PathOf(index)); });

  tree_menu_ = new QMenu(tree_);
  connect(tree_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { tree_menu_->exec(tree_->viewport()->mapToGlobal(at)); });

  // The preview of the item list's current file lives here, under the tree.
  preview_ = new QWidget;
  preview_->setMinimumHeight(25);

  tree_split_ = new QSplitter(Qt::Vertical);
  tree_split_->addWidget(tree_);
  tree_split_->addWidget(preview_);
  tree_split_->setStretchFactor(0, 1);
  tree_split_->setChildrenCollapsible(false);
  connect(tree_split_, &QSplitter::splitterMoved, this,
          [this] { emit previewResized(PreviewHeight()); });
  layout->addWidget(tree_split_, 1);
  return page;
}

QWidget* DirectoryPanel::BuildListTab(CheckListWidget* view, const QString& name,
                                      ListTabControls& controls) {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(2, 2, 2, 2);
  view->setContextMenuPolicy(Qt::ActionsContextMenu);
  auto action = [view](const char* caption) {
    auto* a = new QAction(caption, view);
    view->addAction(a);
    return a;
  };
  controls.goto_dir = action("Goto...");
  controls.add = action("Add directory");
  controls.remove = action("Remove directory");
  controls.select_all = action("Select All");
  controls.select_none = action("Select None");
  layout->addWidget(view, 1);
  auto* buttons = new QHBoxLayout;
  auto button = [buttons, &name](const char* caption) {
    auto* b = new QPushButton(caption);
    b->setObjectName(name + caption);
    buttons->addWidget(b);
    return b;
  };
  controls.clear = button("Clear");
  controls.load = button("Load");
  controls.save = button("Save");
  layout->addLayout(buttons);
  return page;
}

void DirectoryPanel::ReadDirectories() {
  DirectoryTreeModel* old = dirs_;
  dirs_ = new DirectoryTreeModel(this);
  QItemSelectionModel* old_selection = tree_->selectionModel();
  tree_->setModel(dirs_);
  delete old_selection;
  delete old;
}

std::string DirectoryPanel::MarkedDirectory() const {
  const QModelIndex index = tree_->currentIndex();
  return dirs_->PathOf(index);
}

std::string DirectoryPanel::MountPointFor(const std::string& dir) const {
  return MountPointOf(dir, mounts_);
}

void DirectoryPanel::Refresh(VolumeLabels& labels, const std::string& dir) {
  RebuildDrives(labels);
  ReadDirectories();
  ShowDirectory(dir);
}

void DirectoryPanel::showEvent(QShowEvent* event) {
  QTabWidget::showEvent(event);
  // The start directory was chosen before the tree had a size to scroll in; once laid out, it
  // is brought into sight.
  QTimer::singleShot(0, this, [this] { tree_->scrollTo(tree_->currentIndex()); });
}

void DirectoryPanel::SetPreviewHeight(int height) {
  const int total = tree_split_->height() > height ? tree_split_->height() : 2 * height + 100;
  tree_split_->setSizes({total - height, height});
}

void DirectoryPanel::SetPreviewPane(QWidget* pane) {
  const QList<int> sizes = tree_split_->sizes();
  delete tree_split_->replaceWidget(1, pane);
  preview_ = pane;
  tree_split_->setSizes(sizes);
}

int DirectoryPanel::PreviewHeight() const { return tree_split_->sizes().value(1); }

std::string DirectoryPanel::DriveBoxMount() const {
  const int index = drives_->currentIndex();
  if (index < 0 || static_cast<std::size_t>(index) >= mounts_.size()) {
    return std::string(1, kPathDelim);
  }
  return mounts_[static_cast<std::size_t>(index)].path;
}

DirPane DirectoryPanel::ActivePane() const {
  switch (currentIndex()) {
    case 1:
      return DirPane::kList;
    case 2:
      return DirPane::kSkip;
    default:
      return DirPane::kTree;
  }
}

void DirectoryPanel::ShowPane(DirPane pane) {
  setCurrentIndex(pane == DirPane::kList ? 1 : pane == DirPane::kSkip ? 2 : 0);
}

void DirectoryPanel::RebuildDrives(VolumeLabels& labels) {
  mounts_ = DriveMountPoints();
  FillDriveBox(*drives_, mounts_, labels);
}

void DirectoryPanel::ShowDirectory(const std::string& dir) {
  ShowDirectoryIn(*drives_, *tree_, *dirs_, mounts_, dir);
}

}  // namespace krellix
