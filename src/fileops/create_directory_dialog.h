#pragma once

#include <QDialog>

#include "fileops/directory_commands.h"
#include "widgets/qt_text.h"

class QCheckBox;
class QLineEdit;

namespace krellix {

class Prompter;

// The "Create directory " dialog: "Current: " (read-only, with a "..." folder picker),
// "Directory: ", " sub directories " with "Prefix: ", "Suffix: ", "Count: ", "Start:", "Step:"
// and "Zero fill:" (up to six digits each), OK, Cancel and Help.
class CreateDirectoryDialog final : public QDialog {
  Q_OBJECT

 public:
  CreateDirectoryDialog(Prompter& prompter, QWidget* parent = nullptr);

  // Shows `values`, runs the dialog with the focus in "Directory: ", and on OK puts the fields
  // back into `values` and gives true.
  bool Run(CreateDirectoryValues& values);
  void Load(const CreateDirectoryValues& values);
  CreateDirectoryValues Values() const;

  // OK: "Directory: " loses a leading delimiter and gains a trailing one; the dialog closes.
  void OkClick();
  // "...": a chosen folder goes into "Current: "; the focus returns to "Directory: ".
  void PickBase();

  QLineEdit* Base() const { return base_; }
  QLineEdit* Directory() const { return directory_; }
  QCheckBox* Series() const { return series_; }
  QLineEdit* Prefix() const { return prefix_; }
  QLineEdit* Count() const { return count_; }
  QLineEdit* ZeroFill() const { return zero_fill_; }

  static constexpr int kHelpTopic = 2150;

 signals:
  // Help was asked for, with the help topic of this dialog.
  void helpRequested(int topic);

 private:
  Prompter& prompter_;
  ShownBytes base_bytes_;
  QLineEdit* base_ = nullptr;
  QLineEdit* directory_ = nullptr;
  QCheckBox* series_ = nullptr;
  QLineEdit* prefix_ = nullptr;
  QLineEdit* suffix_ = nullptr;
  QLineEdit* count_ = nullptr;
  QLineEdit* start_ = nullptr;
  QLineEdit* step_ = nullptr;
  QLineEdit* zero_fill_ = nullptr;
};

}  // namespace krellix
