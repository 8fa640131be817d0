#pragma once

#include <QDialog>
#include <string>
#include <utility>
#include <vector>

class QLabel;
class QTableWidget;

namespace krellix {

// The "Preview Rename" window: a grid of the names before and after the rename (columns
// "Before" and "After", widths set by the user), the number of rows followed by " files will be
// Renamed", OK and Cancel.
//
// Controls by objectName: previewGrid, count, ok, cancel.
class RenamePreviewDialog final : public QDialog {
  Q_OBJECT

 public:
  explicit RenamePreviewDialog(QWidget* parent = nullptr);

  // Shows `rows` (old and new file names without path, as the file system's bytes) modally;
  // true on OK.
  bool Run(const std::vector<std::pair<std::string, std::string>>& rows);

 private:
  void Fill(const std::vector<std::pair<std::string, std::string>>& rows);

  QTableWidget* grid_ = nullptr;
  QLabel* count_ = nullptr;
};

}  // namespace krellix
