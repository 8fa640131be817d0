#pragma once

#include <QWidget>
#include <string>

#include "widgets/qt_text.h"

class QLineEdit;
class QPushButton;

namespace krellix {

// The rename pane under the item list: a "Rename" button and the new-name field. Enter in the
// field acts as the button. Releasing the mouse over a selection in the field shows how many
// characters are selected.
class RenamePane final : public QWidget {
  Q_OBJECT

 public:
  explicit RenamePane(QWidget* parent = nullptr);

  QLineEdit* Field() const { return field_; }
  QPushButton* Button() const { return button_; }

  // While the pane shows: the field receives the name part of `full_name` (the whole of it
  // when it ends with "/"), with the caret at the start and its hint emptied.
  void Fill(const std::string& full_name);
  // Empties the field and its hint.
  void Clear();
  // The field's text as bytes: the bytes it was filled with while it is unedited.
  std::string Text() const;

 signals:
  // The button was pressed or Enter typed in the field.
  void renameRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPushButton* button_ = nullptr;
  QLineEdit* field_ = nullptr;
  ShownBytes shown_;
};

}  // namespace krellix
