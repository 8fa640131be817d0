#pragma once

#include <QDialog>
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "checksums/checksum_run.h"

class QPushButton;
class QTableView;

namespace krellix {

class ChecksumModel;
class Prompter;

// The "MD5 checksum" window: the grid "MD5" / "Filename" and the buttons OK, "Save" and
// "Copy". A run fills the grid row by row, in the order of its files, while the checksums are
// computed on other threads and the window stays live.
//
// While a run is under way, Esc asks it to stop (the files not yet begun are passed over) and
// the window stays open; OK or closing the window stops the run and closes. "Save" and "Copy"
// act on the rows shown once the run is over.
class ChecksumWindow final : public QDialog {
  Q_OBJECT

 public:
  struct Context {
    Prompter& prompter;
    // Esc during a run: the program's stop request (logged and set).
    std::function<void()> request_stop;
    // True once the stop request is set, from wherever it came.
    std::function<bool()> stop_requested;
  };

  explicit ChecksumWindow(Context context, QWidget* parent = nullptr);
  ~ChecksumWindow() override;

  // Starts a run over `files` (full names) with an empty grid; returns at once.
  void Start(std::vector<std::string> files, unsigned threads = ChecksumRun::DefaultThreads());
  // Start, then shows the window until it is closed; the rows are removed then.
  void Run(std::vector<std::string> files);
  bool Running() const { return run_ != nullptr; }
  // Stops a run under way; the rows finished so far stay.
  void StopRun();

  // "Save": the rows go to a text file chosen in the "Save MD5" picker.
  void SaveList();
  // "Copy": the rows go to the clipboard, at most kChecksumClipboardLimit characters.
  void CopyList();

  const std::vector<ChecksumRow>& Rows() const;
  QTableView* Grid() const { return grid_; }

  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // Moves the finished rows into the grid; ends the run once all are in.
  void Drain();
  void EndRun();
  void Clear();

  Context ctx_;
  ChecksumModel* model_;
  QTableView* grid_;
  QPushButton* ok_;
  QPushButton* save_;
  QPushButton* copy_;
  std::unique_ptr<ChecksumRun> run_;
  std::shared_ptr<std::atomic<bool>> drain_posted_;
};

}  // namespace krellix
