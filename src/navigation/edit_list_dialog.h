#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

class QPlainTextEdit;

namespace krellix {

// The "Edit" window: the file list as lines of a plain editor (both scroll bars, no word
// wrap), with "OK" and "Cancel".
class EditListDialog final : public QDialog {
  Q_OBJECT

 public:
  explicit EditListDialog(QWidget* parent = nullptr);

  void SetLines(const std::vector<std::string>& lines);
  // The edited lines. A line left as it was keeps its bytes, even when they are not UTF-8. A
  // final line end adds no empty line.
  std::vector<std::string> Lines() const;
  // Shows `lines` and runs the window modally: the edited lines on "OK", nothing on "Cancel".
  std::optional<std::vector<std::string>> Edit(const std::vector<std::string>& lines);

  QPlainTextEdit* Editor() const { return editor_; }

 private:
  QPlainTextEdit* editor_ = nullptr;
  std::vector<std::string> original_;
};

}  // namespace krellix
