#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace krellix {

// The "Find" dialog of the preview text: the search text, "Whole word only", "Match case", the
// direction (always forward: the choice is shown but not used), "Find Next" and "Cancel". It
// stays open while the user searches on.
class FindDialog final : public QDialog {
  Q_OBJECT

 public:
  explicit FindDialog(QWidget* parent = nullptr);

  // Opens (or raises) the dialog with `text` as the search text when it is not empty.
  void Open(const QString& text);

 signals:
  void findNext(const QString& text, bool whole_word, bool match_case);

 private:
  QLineEdit* text_ = nullptr;
  QCheckBox* whole_word_ = nullptr;
  QCheckBox* match_case_ = nullptr;
};

}  // namespace krellix
