#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "fileops/join_split.h"
#include "widgets/qt_text.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace krellix {

class Prompter;
class SavingFileQuestion;

// The "Join / Split" dialog: the file list with "Up" and "Down", "Filename: " with its "..."
// picker, "Max. Size (Kb)", the "Join" or "Split" button, the counters "Files read", "Bytes
// read", "Bytes written" and "Files written", a red "Cancelled", and Cancel / OK.
//
// Cancel (or Esc) asks a running operation to stop, shows "Cancelled" and turns into OK; OK
// closes the dialog. One operation per opening: the button is off once it has run.
class JoinSplitDialog final : public QDialog, public JoinSplitProgress {
  Q_OBJECT

 public:
  struct Shared {
    Prompter& prompter;
    std::function<SavingFileQuestion&()> saving_file;
    std::function<std::int64_t()> now_ms;
  };

  explicit JoinSplitDialog(Shared shared, QWidget* parent = nullptr);

  // Prepares a join of `files` (in this order) into the default output name of the first.
  void PrepareJoin(const std::vector<std::string>& files);
  // Prepares a split of `file`.
  void PrepareSplit(const std::string& file);

  // The button "Join" or "Split": runs the operation on what the dialog holds.
  void RunOperation();
  // "Up" and "Down": the highlighted entry moves one place; it stays highlighted.
  void MoveEntry(int by);
  // The "..." button.
  void PickFile();
  // The Cancel / OK button (and Esc).
  void CancelOrClose();
  void reject() override;

  bool Joining() const { return joining_; }
  // The file list as bytes, in order.
  std::vector<std::string> Files() const;
  std::string FileName() const;
  QListWidget* List() const { return list_; }
  QLineEdit* FileField() const { return file_; }
  QLineEdit* MaxSizeField() const { return max_kb_; }
  QPushButton* RunButton() const { return run_; }
  QPushButton* CancelButton() const { return cancel_; }
  QLabel* CancelledLabel() const { return cancelled_; }
  // The counters' texts: files read, bytes read, bytes written, files written.
  std::vector<QString> Counters() const;

  // JoinSplitProgress
  void ShowCounts(const JoinSplitCounts& counts) override;
  void PieceWritten(const std::string& name) override;
  bool CancelRequested() override { return cancel_requested_; }

 private:
  void Reset(bool joining);
  void AddFile(const std::string& path);

  Shared shared_;
  bool joining_ = true;
  bool cancel_requested_ = false;
  bool running_ = false;
  ShownBytes file_bytes_;
  QListWidget* list_ = nullptr;
  QLineEdit* file_ = nullptr;
  QLineEdit* max_kb_ = nullptr;
  QLabel* max_kb_label_ = nullptr;
  QPushButton* run_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QLabel* cancelled_ = nullptr;
  std::vector<QLineEdit*> counters_;
};

}  // namespace krellix
