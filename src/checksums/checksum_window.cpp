#include "checksums/checksum_window.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "checksums/checksum_list.h"
#include "output/save_target.h"
#include "platform/file_system.h"
#include "platform/prompter.h"
#include "widgets/qt_text.h"

namespace krellix {

// The grid's rows: checksum and full name, appended as a run finishes them.
class ChecksumModel final : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;

  const std::vector<ChecksumRow>& Rows() const { return rows_; }

  void Append(std::vector<ChecksumRow>& more) {
    if (more.empty()) return;
    const int first = static_cast<int>(rows_.size());
    beginInsertRows({}, first, first + static_cast<int>(more.size()) - 1);
    for (ChecksumRow& row : more) rows_.push_back(std::move(row));
    endInsertRows();
    more.clear();
  }
  void Clear() {
    beginResetModel();
    rows_.clear();
    endResetModel();
  }

  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
  }
  int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 2; }
  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    const ChecksumRow& row = rows_[static_cast<std::size_t>(index.row())];
    return index.column() == 0 ? ToQt(row.checksum) : PathToQt(row.name);
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    return section == 0 ? QStringLiteral("MD5") : QStringLiteral("Filename");
  }

 private:
  std::vector<ChecksumRow> rows_;
};

namespace {

constexpr int kChecksumColumnWidth = 218;
constexpr int kNameColumnWidth = 330;
constexpr const char* kSaveTitle = "Save MD5";
constexpr const char* kSaveFilter = "Text files (*.txt)|*.txt|All files (*.*)|*.*";

}  // namespace

ChecksumWindow::ChecksumWindow(Context context, QWidget* parent)
    : QDialog(parent),
      ctx_(std::move(context)),
      model_(new ChecksumModel(this)),
      grid_(new QTableView(this)),
      ok_(new QPushButton("OK", this)),
      save_(new QPushButton("Save", this)),
      copy_(new QPushButton("Copy", this)),
      drain_posted_(std::make_shared<std::atomic<bool>>(false)) {
  setWindowTitle("MD5 checksum");
  setSizeGripEnabled(true);
  grid_->setObjectName("grid");
  ok_->setObjectName("ok");
  save_->setObjectName("save");
  copy_->setObjectName("copy");
  grid_->setModel(model_);
  grid_->verticalHeader()->hide();
  grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 4);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setWordWrap(false);
  grid_->horizontalHeader()->setStretchLastSection(true);
  // Wide enough for the whole checksum in the font at hand.
  grid_->setColumnWidth(
      0, std::max(kChecksumColumnWidth,
                  grid_->fontMetrics().horizontalAdvance(QString(32, QChar('D'))) + 12));
  grid_->setColumnWidth(1, kNameColumnWidth);
  ok_->setDefault(true);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(save_);
  buttons->addWidget(copy_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(grid_);
  layout->addLayout(buttons);
  resize(grid_->columnWidth(0) + kNameColumnWidth + 40, 360);

  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(save_, &QPushButton::clicked, this, [this] { SaveList(); });
  connect(copy_, &QPushButton::clicked, this, [this] { CopyList(); });
}

ChecksumWindow::~ChecksumWindow() {
  if (run_) QApplication::restoreOverrideCursor();
}

const std::vector<ChecksumRow>& ChecksumWindow::Rows() const { return model_->Rows(); }

void ChecksumWindow::Start(std::vector<std::string> files, unsigned threads) {
  Clear();
  if (files.empty()) return;
  save_->setEnabled(false);
  copy_->setEnabled(false);
  QApplication::setOverrideCursor(Qt::BusyCursor);
  // Workers finish rows on their threads; one queued call at a time brings them over.
  QPointer<ChecksumWindow> self(this);
  std::shared_ptr<std::atomic<bool>> posted = drain_posted_;
  run_ = std::make_unique<ChecksumRun>(std::move(files), threads, [self, posted] {
    if (posted->exchange(true)) return;
    QMetaObject::invokeMethod(
        qApp,
        [self] {
          if (self) self->Drain();
        },
        Qt::QueuedConnection);
  });
}

void ChecksumWindow::Run(std::vector<std::string> files) {
  Start(std::move(files));
  exec();
  Clear();
}

void ChecksumWindow::Drain() {
  drain_posted_->store(false);
  if (!run_) return;
  if (ctx_.stop_requested && ctx_.stop_requested()) run_->Stop();
  std::vector<ChecksumRow> rows;
  run_->TakeReady(rows);
  model_->Append(rows);
  if (run_->Finished()) EndRun();
}

void ChecksumWindow::EndRun() {
  run_->Wait();
  run_.reset();
  save_->setEnabled(true);
  copy_->setEnabled(true);
  QApplication::restoreOverrideCursor();
}

void ChecksumWindow::StopRun() {
  if (!run_) return;
  run_->Stop();
  // The workers end within one block read; what they finished before is shown.
  run_->Wait();
  Drain();
}

void ChecksumWindow::Clear() {
  if (run_) {
    run_->Stop();
    EndRun();
  }
  model_->Clear();
}

void ChecksumWindow::SaveList() {
  const std::optional<std::string> chosen =
      ctx_.prompter.PickSaveFile(kSaveTitle, "", kSaveFilter, true);
  if (!chosen) return;
  const std::string path = WithDefaultExtension(*chosen, ".txt");
  // The picker confirmed the name as typed; a file under the completed name is asked about.
  if (path != *chosen && FileExists(path) &&
      ctx_.prompter.Ask(path + " already exists.\r\nDo you want to replace it?", Buttons::kYesNo) !=
          Answer::kYes) {
    return;
  }
  if (const FileResult saved = SaveChecksumList(path, Rows()); !saved) {
    ctx_.prompter.ShowMessage(MessageKind::kError,
                              WithReason("Cannot save: " + path, saved.Error()));
  }
}

void ChecksumWindow::CopyList() {
  const ChecksumClip clip = ChecksumClipboardText(Rows());
  QApplication::clipboard()->setText(PathToQt(clip.text));
  if (clip.truncated) {
    ctx_.prompter.ShowMessage(MessageKind::kWarning, std::string(kChecksumClipboardWarning));
  }
}

void ChecksumWindow::reject() {
  if (run_) {
    if (ctx_.request_stop) ctx_.request_stop();
    StopRun();
    return;
  }
  QDialog::reject();
}

void ChecksumWindow::closeEvent(QCloseEvent* event) {
  StopRun();
  QDialog::closeEvent(event);
}

}  // namespace krellix
