#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "fileops/attrib_items.h"
#include "platform/wall_time.h"

class QButtonGroup;
class QCheckBox;
class QDateEdit;
class QTimeEdit;

namespace krellix {

// The "Set Attribute(s)" dialog: " ReadOnly ", " Hidden ", " Archive " and " System ", each
// with "on", " -" and "off", and "Set date modified" with a date and a time picker; Help, OK
// and Cancel. Fixed in size, without a close icon. Every opening puts the groups at " -",
// unchecks "Set date modified" and sets both pickers to the current time.
class AttributesDialog final : public QDialog {
  Q_OBJECT

 public:
  explicit AttributesDialog(QWidget* parent = nullptr);

  // The reset values of an opening, with the pickers at `now`.
  void Prepare(const CivilDateTime& now);
  // Prepares and runs the dialog modally; the choices at OK, nothing at Cancel.
  std::optional<AttribChoices> Run(const CivilDateTime& now);
  // What the controls hold now.
  AttribChoices Choices() const;

  static constexpr int kHelpTopic = 2090;

 signals:
  // Help was asked for, with the help topic of this dialog.
  void helpRequested(int topic);

 private:
  // The groups in the order read-only, hidden, archive, system; button ids are AttribChoice.
  std::array<QButtonGroup*, 4> groups_{};
  QCheckBox* set_date_ = nullptr;
  QDateEdit* date_ = nullptr;
  QTimeEdit* time_ = nullptr;
};

}  // namespace krellix
