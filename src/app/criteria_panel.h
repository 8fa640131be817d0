#pragma once

#include <QTabWidget>
#include <string>
#include <vector>

#include "scan/selection_criteria.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimeEdit;
class QToolButton;

namespace krellix {

class Clock;

// The six criteria tabs "Scan", "File", "Attrib", "Size", "Modified" and "Created". Every
// change of a control is written to the SelectionCriteria at once, so a scan that polls events
// sees it at its next entry. Tab captions carry a ">" marker while a tab holds active criteria.
class CriteriaPanel final : public QTabWidget {
  Q_OBJECT

 public:
  CriteriaPanel(SelectionCriteria& criteria, const Clock& clock, QWidget* parent = nullptr);

  QComboBox* ScanBox() const { return scan_box_; }
  QToolButton* ClearButton() const { return clear_button_; }
  QCheckBox* AppendBox() const { return append_; }

  // Puts a text into the scan string box; the criteria follow.
  void SetScanText(const std::string& text);
  // The entries of the box's drop-down list.
  void SetHistory(const std::vector<std::string>& entries);
  // Makes a drop-down entry the box's text.
  void SelectHistoryEntry(int index);
  // Completion of typed text from the drop-down entries.
  void SetAutoComplete(bool on);

  // Sets every control and tab caption from the criteria (after a reset).
  void Refresh();

  bool ScanTabShown() const { return currentIndex() == 0; }
  void ShowScanTab() { setCurrentIndex(0); }

 signals:
  // Enter in the scan string box; the key itself goes no further.
  void enterPressed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct SizeControls {
    QCheckBox* box = nullptr;
    QLineEdit* number = nullptr;
    QPushButton* unit = nullptr;
  };
  struct RangeControls {
    QCheckBox* from_date = nullptr;
    QCheckBox* to_date = nullptr;
    QCheckBox* from_time = nullptr;
    QCheckBox* to_time = nullptr;
    QDateEdit* from_date_edit = nullptr;
    QDateEdit* to_date_edit = nullptr;
    QTimeEdit* from_time_edit = nullptr;
    QTimeEdit* to_time_edit = nullptr;
  };

  QWidget* BuildScanTab();
  QWidget* BuildFileTab();
  QWidget* BuildAttribTab();
  QWidget* BuildSizeTab();
  QWidget* BuildRangeTab(const QString& name, DateTimeRange& range, RangeControls& controls);
  void BuildSizeRow(QGridLayout* grid, int row, const QString& caption, SizeLimit& limit,
                    SizeControls& controls);
  QCheckBox* Check(const QString& caption, const QString& hint, bool& target);
  void OnTabShown(int index);
  void RefreshRange(DateTimeRange& range, const RangeControls& controls);

  SelectionCriteria& criteria_;
  const Clock& clock_;

  QComboBox* scan_box_ = nullptr;
  QToolButton* clear_button_ = nullptr;
  QRadioButton* logic_or_ = nullptr;
  QRadioButton* logic_and_ = nullptr;
  QRadioButton* logic_not_ = nullptr;
  QCheckBox* ignore_case_ = nullptr;
  QCheckBox* incl_dirs_ = nullptr;
  QCheckBox* excl_files_ = nullptr;
  QCheckBox* sub_dirs_ = nullptr;
  QCheckBox* append_ = nullptr;
  QCheckBox* use_path_ = nullptr;
  QCheckBox* use_name_ = nullptr;
  QCheckBox* use_ext_ = nullptr;
  QCheckBox* any_file_ = nullptr;
  QCheckBox* normal_ = nullptr;
  QCheckBox* read_only_ = nullptr;
  QCheckBox* hidden_ = nullptr;
  QCheckBox* system_ = nullptr;
  QCheckBox* archive_ = nullptr;
  QCheckBox* volume_id_ = nullptr;
  SizeControls min_;
  SizeControls max_;
  RangeControls modified_;
  RangeControls created_;
};

}  // namespace krellix
