#include "fileops/join_split_dialog.h"

#include <QApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/prompter.h"

namespace krellix {

namespace {

constexpr int kBytesRole = Qt::UserRole;

}  // namespace

JoinSplitDialog::JoinSplitDialog(Shared shared, QWidget* parent)
    : QDialog(parent), shared_(std::move(shared)) {
  setSizeGripEnabled(true);
  list_ = new QListWidget(this);
  auto* up = new QPushButton("Up", this);
  auto* down = new QPushButton("Down", this);
  connect(up, &QPushButton::clicked, this, [this] { MoveEntry(-1); });
  connect(down, &QPushButton::clicked, this, [this] { MoveEntry(1); });
  auto* list_buttons = new QVBoxLayout;
  list_buttons->addWidget(up);
  list_buttons->addWidget(down);
  list_buttons->addStretch();
  auto* list_row = new QHBoxLayout;
  list_row->addWidget(list_, 1);
  list_row->addLayout(list_buttons);

  file_ = new QLineEdit(this);
  auto* pick = new QPushButton("...", this);
  pick->setFixedWidth(pick->fontMetrics().horizontalAdvance("....") + 16);
  connect(pick, &QPushButton::clicked, this, [this] { PickFile(); });
  auto* file_row = new QHBoxLayout;
  file_row->addWidget(new QLabel("Filename: ", this));
  file_row->addWidget(file_, 1);
  file_row->addWidget(pick);

  max_kb_ = new QLineEdit(this);
  max_kb_label_ = new QLabel("Max. Size (Kb)", this);
  run_ = new QPushButton("Join", this);
  connect(run_, &QPushButton::clicked, this, [this] { RunOperation(); });
  auto* size_row = new QHBoxLayout;
  size_row->addWidget(max_kb_label_);
  size_row->addWidget(max_kb_);
  size_row->addStretch();
  size_row->addWidget(run_);

  auto* counters = new QGridLayout;
  const char* const captions[] = {"Files read", "Bytes read", "Bytes written", "Files written"};
  for (int i = 0; i < 4; ++i) {
    auto* field = new QLineEdit(this);
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignRight);
    field->setFocusPolicy(Qt::NoFocus);
    counters->addWidget(new QLabel(captions[i], this), 0, i);
    counters->addWidget(field, 1, i);
    counters_.push_back(field);
  }

  cancelled_ = new QLabel("Cancelled", this);
  cancelled_->setStyleSheet("color: red; font-weight: bold;");
  cancel_ = new QPushButton("Cancel", this);
  cancel_->setAutoDefault(false);
  connect(cancel_, &QPushButton::clicked, this, [this] { CancelOrClose(); });
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(cancelled_);
  bottom->addStretch();
  bottom->addWidget(cancel_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(list_row, 1);
  layout->addLayout(file_row);
  layout->addLayout(size_row);
  layout->addLayout(counters);
  layout->addLayout(bottom);
  resize(560, 400);
}

void JoinSplitDialog::Reset(bool joining) {
  joining_ = joining;
  const QString caption = joining ? "Join" : "Split";
  setWindowTitle(caption);
  run_->setText(caption);
  run_->setEnabled(true);
  cancel_->setText("Cancel");
  cancel_requested_ = false;
  cancelled_->hide();
  for (QLineEdit* field : counters_) field->clear();
  list_->clear();
  max_kb_->setEnabled(!joining);
  max_kb_label_->setEnabled(!joining);
}

void JoinSplitDialog::AddFile(const std::string& path) {
  auto* item = new QListWidgetItem(PathToQt(path), list_);
  item->setData(kBytesRole, QByteArray::fromStdString(path));
}

void JoinSplitDialog::PrepareJoin(const std::vector<std::string>& files) {
  Reset(true);
  for (const std::string& f : files) AddFile(f);
  file_->setText(file_bytes_.Show(files.empty() ? std::string() : DefaultJoinName(files.front())));
}

void JoinSplitDialog::PrepareSplit(const std::string& file) {
  Reset(false);
  file_->setText(file_bytes_.Show(file));
}

std::vector<std::string> JoinSplitDialog::Files() const {
  std::vector<std::string> files;
  for (int i = 0; i < list_->count(); ++i) {
    files.push_back(list_->item(i)->data(kBytesRole).toByteArray().toStdString());
  }
  return files;
}

std::string JoinSplitDialog::FileName() const { return file_bytes_.From(file_->text()); }

std::vector<QString> JoinSplitDialog::Counters() const {
  std::vector<QString> texts;
  for (const QLineEdit* field : counters_) texts.push_back(field->text());
  return texts;
}

void JoinSplitDialog::MoveEntry(int by) {
  const int row = list_->currentRow();
  const int to = row + by;
  if (row < 0 || list_->currentItem() == nullptr || !list_->currentItem()->isSelected() || to < 0 ||
      to >= list_->count()) {
    return;
  }
  QListWidgetItem* item = list_->takeItem(row);
  list_->insertItem(to, item);
  list_->setCurrentItem(item);
}

void JoinSplitDialog::PickFile() {
  const std::string title = "Save file";
  if (const auto chosen = shared_.prompter.PickSaveFile(title, FileName(), "All files (*)")) {
    file_->setText(file_bytes_.Show(*chosen));
  }
}

void JoinSplitDialog::RunOperation() {
  if (running_ || !run_->isEnabled()) return;
  running_ = true;
  QApplication::setOverrideCursor(Qt::BusyCursor);
  const JoinSplitEnv env{shared_.prompter, *this, shared_.now_ms};
  JoinSplitOutcome outcome;
  if (joining_) {
    outcome = JoinFiles(Files(), FileName(), shared_.saving_file(), env);
  } else {
    list_->clear();
    outcome = SplitFile(FileName(), FromQt(max_kb_->text().trimmed()), env);
  }
  QApplication::restoreOverrideCursor();
  running_ = false;
  ShowCounts(outcome.counts);
  if (outcome.status != JoinSplitStatus::kRefused) {
    cancel_->setText("OK");
    run_->setEnabled(false);
  }
}

void JoinSplitDialog::ShowCounts(const JoinSplitCounts& c) {
  const std::int64_t values[] = {c.files_read, c.bytes_read, c.bytes_written, c.files_written};
  for (int i = 0; i < 4; ++i) counters_[i]->setText(QString::number(values[i]));
  if (running_) QApplication::processEvents();
}

void JoinSplitDialog::PieceWritten(const std::string& name) {
  AddFile(name);
  list_->scrollToBottom();
}

void JoinSplitDialog::CancelOrClose() {
  if (cancel_->text() == "Cancel") {
    cancel_requested_ = true;
    cancelled_->show();
    cancel_->setText("OK");
    return;
  }
  if (!running_) accept();
}

void JoinSplitDialog::reject() { CancelOrClose(); }

}  // namespace krellix
