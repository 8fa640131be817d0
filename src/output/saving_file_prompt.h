#pragma once

#include <QDialog>
#include <string>

#include "output/output_dialogs.h"

class QLabel;
class QPushButton;

namespace krellix {

// The "Saving file" prompt: the path of an existing file, right-aligned and wrapped, and
// " File exists ". "&Replace" is the default button (Enter), "&Cancel" also answers Esc. The
// window has no close box; any other way of closing it answers Cancel.
class SavingFilePrompt : public QDialog {
  Q_OBJECT

 public:
  explicit SavingFilePrompt(QWidget* parent = nullptr);

  // Shows `path`, runs the prompt modally and returns the answer.
  SaveMode Ask(const std::string& path);

  // Puts `path` into the text; for a caller that shows the prompt itself.
  void SetPath(const std::string& path);
  // The answer of the last run: kCancel until a button is pressed.
  SaveMode Answer() const { return answer_; }

  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Answered(SaveMode mode);

  QLabel* path_label_ = nullptr;
  QPushButton* replace_ = nullptr;
  SaveMode answer_ = SaveMode::kCancel;
};

}  // namespace krellix
