#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <string>

#include "output/delimiter_box.h"
#include "output/output_options.h"
#include "widgets/qt_text.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace krellix {

// The "Save as..." dialog: the options of the output file and its name. Opening fills every
// control from the options; "Save" checks the name with ValidFilename (the red bar
// " Invalid File name: re-enter " when it fails) and copies the controls back; "Cancel"
// changes nothing.
//
// The name and the delimiter are kept as bytes beside the shown text, so a name that is not
// UTF-8 comes back unchanged unless it was edited.
class SaveAsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit SaveAsDialog(QWidget* parent = nullptr);

  // Runs the dialog modally; on "Save" stores the controls into `options` and returns true.
  bool Execute(OutputOptions& options);

  // Fills the controls (".CSV settings" last, so its rule runs when its state changes) and
  // hides the red bar.
  void Load(const OutputOptions& options);
  // Copies the controls into `options`.
  void Store(OutputOptions& options) const;

  // The save picker of "...": (title, folder, file name, filter) to the chosen path, "" when
  // cancelled. A QFileDialog that does not ask about overwriting, unless replaced (tests).
  std::function<QString(const QString&, const QString&, const QString&, const QString&)> pick_file;

 private:
  void ApplyCsvRule(bool checked);
  void BrowseClicked();
  void SaveClicked();
  std::string NameBytes() const;
  void SetName(std::string bytes);
  QString DefaultPickFile(const QString& title, const QString& folder, const QString& name,
                          const QString& filter);

  QCheckBox* scan_ = nullptr;
  QCheckBox* volume_ = nullptr;
  QCheckBox* path_ = nullptr;
  QCheckBox* size_ = nullptr;
  QCheckBox* date_ = nullptr;
  QCheckBox* csv_ = nullptr;
  QCheckBox* quotes_ = nullptr;
  QCheckBox* titles_ = nullptr;
  QCheckBox* glue_ = nullptr;
  QCheckBox* headers_ = nullptr;
  QCheckBox* statistics_ = nullptr;
  QComboBox* delimiter_ = nullptr;
  QLineEdit* name_ = nullptr;
  QPushButton* browse_ = nullptr;
  QRadioButton* prompt_ = nullptr;
  QRadioButton* append_ = nullptr;
  QRadioButton* replace_ = nullptr;
  QButtonGroup* existing_ = nullptr;
  QLabel* invalid_bar_ = nullptr;

  // The bytes behind the shown name and delimiter.
  ShownBytes name_bytes_;
  DelimiterBox separator_;
};

}  // namespace krellix
