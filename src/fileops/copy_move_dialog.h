#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "base/window_place.h"
#include "fileops/copy_move_values.h"
#include "platform/file_system.h"
#include "widgets/qt_text.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSplitter;
class QTreeView;

namespace krellix {

class DirectoryTreeModel;
class Prompter;
class VolumeLabels;

// The "Copy / Move" dialog: a drive box and directory tree on the left; on the right the
// "Address:" box with the destinations confirmed so far, the bookmarks, "full path", "Replace
// existing files ", "Skip existing files", "Rename during" with its rules, a red banner for
// names with invalid characters, and Help, OK, Cancel.
//
// The window lives as long as the program. "Start:", "Step:", "Zero fill:", the separator text,
// the address and its drop-down keep their values from one opening to the next; every opening
// unchecks the check boxes, empties "Prefix:" and "Suffix:", sets the number to "Skip" and
// opens the tree at the process's current directory.
class CopyMoveDialog final : public QDialog {
  Q_OBJECT

 public:
  // What the dialog reads and keeps of the main window's; all outlive the dialog.
  struct Shared {
    Prompter& prompter;
    VolumeLabels& volumes;
    // The dialog's place and the width of its tree pane: it opens there when `save_place`, and
    // writes both back whenever it closes.
    WindowPlace& place;
    int& splitter;
    const bool& save_place;
    // The drop-down keeps fewer than this many destinations before each addition.
    const int& address_size;
  };

  explicit CopyMoveDialog(Shared shared, QWidget* parent = nullptr);

  // Prepares an opening: the title and captions from `values.title`, "Old:" and "New:" from
  // `values.rules`, the bookmark box from `bookmarks`, the reset values, the tree at the
  // process's current directory and, at the first opening, the address `tree_dir`. Places the
  // window when the place is saved.
  void Prepare(const CopyMoveValues& values, const std::vector<std::string>& bookmarks,
               const std::string& tree_dir);
  // Prepares and runs the dialog modally. On OK `values` receives what it holds (the
  // destination with a trailing delimiter) and the result is true; on Cancel nothing changes.
  bool Run(CopyMoveValues& values, const std::vector<std::string>& bookmarks,
           const std::string& tree_dir);

  // What the controls hold now, with the title given at Prepare.
  CopyMoveValues Values() const;
  // The address box as bytes.
  std::string Address() const;
  // The confirmed destinations of the drop-down, oldest first.
  const std::vector<std::string>& Destinations() const { return destinations_; }

  // The OK button: checks the names, completes the address, offers to create a missing
  // directory, records the destination and closes with OK. An empty address is refused with a
  // message and the dialog stays open.
  void OkClick();

  void done(int result) override;

  static constexpr int kHelpTopic = 2080;

 signals:
  // Help was asked for, with the help topic of this dialog.
  void helpRequested(int topic);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* BuildTreePane();
  QWidget* BuildOptionsPane();
  QWidget* BuildRenameControls();
  // A fresh model of the directories; the drive box lists the mount points again.
  void ReadDirectories();
  // Shows `dir` in the drive box and tree; with `follow` off the address stays as it is.
  void OpenInTree(const std::string& dir, bool follow);
  void TreeDirectoryChanged(const QModelIndex& current);
  void SetAddress(const std::string& bytes);
  void ShowDestinations();
  void BookmarkChosen(int index);

  Shared shared_;
  std::string title_ = "Copy";
  bool opened_before_ = false;
  bool follow_tree_ = true;
  int pending_split_ = -1;

  std::vector<MountPoint> mounts_;
  std::vector<std::string> bookmarks_;
  std::vector<std::string> destinations_;
  // The tree's directory (tree form); "" before the first opening.
  std::string tree_dir_;
  ShownBytes address_;
  ShownBytes old_text_;
  ShownBytes new_text_;

  QSplitter* split_ = nullptr;
  QComboBox* drives_ = nullptr;
  QTreeView* tree_ = nullptr;
  DirectoryTreeModel* dirs_ = nullptr;
  QComboBox* address_box_ = nullptr;
  QComboBox* bookmark_box_ = nullptr;
  QCheckBox* full_path_ = nullptr;
  QCheckBox* replace_ = nullptr;
  QCheckBox* skip_ = nullptr;
  QCheckBox* rename_ = nullptr;
  QWidget* rename_controls_ = nullptr;
  QLineEdit* old_ = nullptr;
  QLineEdit* new_ = nullptr;
  QLineEdit* prefix_ = nullptr;
  QLineEdit* suffix_ = nullptr;
  QRadioButton* number_skip_ = nullptr;
  QRadioButton* number_prefix_ = nullptr;
  QRadioButton* number_suffix_ = nullptr;
  QLineEdit* start_ = nullptr;
  QLineEdit* step_ = nullptr;
  QLineEdit* zero_fill_ = nullptr;
  QCheckBox* separator_on_ = nullptr;
  QLineEdit* separator_ = nullptr;
  QLabel* banner_ = nullptr;
};

}  // namespace krellix
