#pragma once

#include <QDialog>

#include "rename/rename_dialog_rules.h"
#include "rename/rename_parameters.h"
#include "widgets/qt_text.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QTabWidget;

namespace krellix {

// The "Rename" dialog: the five groups of rename rules "(1) Edit" (tabs "Replace", "Crop",
// "Insert", "Swap", "Path"), "(2) Add", "(3) Number", "(4) Case" and "(5) Extension", then
// "Remember parameters", a red notice for a refused OK, "Reset", "OK", "Cancel" and "Help".
// Every change of the "(1) Edit" tab runs the opening steps again (the tab stays where the user
// put it). Leaving "Old:" holding "*.*" turns numbering on; leaving a separator text ticks
// "Separator". "Reset" unticks "Remember parameters", which writes the setting like a click.
//
// Controls by objectName; numeric fields are line edits of up to the digits noted, kept as typed:
//   "(1) Edit"       editTabs (tabs "Replace", "Crop", "Insert", "Swap", "Path")
//     Replace        oldText newText replaceAll
//     Crop           cropSkip cropRemove cropRemoveLast cropKeepLast
//                    removeCount(3) removePosition(3) lastCount(3)
//     Insert         insertText insertPosition(3)
//     Swap           swapSkip swapFirst swapLast swapCount(2)
//     Path           pathSkip pathAddLast pathAddFirst pathAddAll pathCount(2)
//   "(2) Add"        prefix suffix datePrefix dateSuffix md5Prefix md5Suffix
//   "(3) Number"     numberSkip numberPrefix numberSuffix start(6) step(6) zeroFill(2)
//                    separatorOn separator
//   "(4) Case"       underscoreBlank percent20Blank caseKeep caseUpper caseLower caseTitle
//                    caseSentence
//   "(5) Extension"  extensionSkip extensionAdd extensionReplace extensionDelete extension
//   the rest         remember notice reset ok cancel help
class RenameDialog final : public QDialog {
  Q_OBJECT

 public:
  // `remember` is the RememberRename setting: the check box shows it at every opening and
  // writes it at once when ticked or unticked. It outlives the dialog.
  explicit RenameDialog(bool& remember, QWidget* parent = nullptr);

  // Shows the dialog modally with `params` (the command has put "Old:" and "New:" in it) after
  // the opening rules; at OK writes what the dialog holds back into `params` and returns true;
  // Cancel returns false and leaves `params` as it was.
  bool Run(RenameParameters& params);

  // What the controls hold now, the tab showing included.
  RenameParameters Values() const;

  static constexpr int kHelpTopic = 2110;

 signals:
  // Help was asked for, with the help topic of this dialog.
  void helpRequested(int topic);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* BuildEditGroup();
  QWidget* BuildAddGroup();
  QWidget* BuildNumberGroup();
  QWidget* BuildCaseGroup();
  QWidget* BuildExtensionGroup();

  void Load(const RenameParameters& p);
  // The opening steps on what the controls hold: the parameters, the notice, the focus.
  void Prepare(RenameParameters p);
  // Runs `rule` on what the controls hold and shows the outcome when it changed anything.
  void Apply(void (*rule)(RenameParameters&));
  void OkClick();
  void ResetClick();
  QLineEdit* FieldOf(RenameField field) const;

  bool& remember_;
  // The texts the dialog was given, so that bytes that are not valid text come back unchanged
  // while their field is not edited.
  struct Texts {
    ShownBytes old_text, new_text, insert_text, prefix, suffix, separator, extension;
  };
  Texts shown_;

  QTabWidget* tabs_ = nullptr;
  QLineEdit* old_ = nullptr;
  QLineEdit* new_ = nullptr;
  QCheckBox* replace_all_ = nullptr;
  QButtonGroup* crop_ = nullptr;
  QLineEdit* remove_count_ = nullptr;
  QLineEdit* remove_position_ = nullptr;
  QLineEdit* last_count_ = nullptr;
  QLineEdit* insert_text_ = nullptr;
  QLineEdit* insert_position_ = nullptr;
  QButtonGroup* swap_ = nullptr;
  QLineEdit* swap_count_ = nullptr;
  QButtonGroup* path_ = nullptr;
  QLineEdit* path_count_ = nullptr;
  QLineEdit* prefix_ = nullptr;
  QLineEdit* suffix_ = nullptr;
  QCheckBox* date_prefix_ = nullptr;
  QCheckBox* date_suffix_ = nullptr;
  QCheckBox* md5_prefix_ = nullptr;
  QCheckBox* md5_suffix_ = nullptr;
  QButtonGroup* number_ = nullptr;
  QLineEdit* start_ = nullptr;
  QLineEdit* step_ = nullptr;
  QLineEdit* zero_fill_ = nullptr;
  QCheckBox* separator_on_ = nullptr;
  QLineEdit* separator_ = nullptr;
  QCheckBox* underscore_blank_ = nullptr;
  QCheckBox* percent20_blank_ = nullptr;
  QButtonGroup* case_ = nullptr;
  QButtonGroup* extension_ = nullptr;
  QLineEdit* extension_text_ = nullptr;
  QCheckBox* remember_box_ = nullptr;
  QLabel* notice_ = nullptr;
};

}  // namespace krellix
