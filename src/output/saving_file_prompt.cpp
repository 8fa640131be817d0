#include "output/saving_file_prompt.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace krellix {

SavingFilePrompt::SavingFilePrompt(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setWindowTitle(QStringLiteral("Saving file"));

  path_label_ = new QLabel(this);
  path_label_->setObjectName(QStringLiteral("Path"));
  path_label_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  path_label_->setWordWrap(true);
  path_label_->setTextFormat(Qt::PlainText);
  path_label_->setMinimumWidth(320);
  auto* exists = new QLabel(QStringLiteral(" File exists "), this);
  exists->setAlignment(Qt::AlignCenter);

  replace_ = new QPushButton(QStringLiteral("&Replace"), this);
  replace_->setObjectName(QStringLiteral("Replace"));
  replace_->setDefault(true);
  auto* append = new QPushButton(QStringLiteral("&Append"), this);
  append->setObjectName(QStringLiteral("Append"));
  auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
  cancel->setObjectName(QStringLiteral("Cancel"));

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(replace_);
  buttons->addWidget(append);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(path_label_);
  layout->addWidget(exists);
  layout->addLayout(buttons);

  connect(replace_, &QPushButton::clicked, this, [this] { Answered(SaveMode::kReplace); });
  connect(append, &QPushButton::clicked, this, [this] { Answered(SaveMode::kAppend); });
  connect(cancel, &QPushButton::clicked, this, [this] { reject(); });
}

SaveMode SavingFilePrompt::Ask(const std::string& path) {
  SetPath(path);
  exec();
  return answer_;
}

void SavingFilePrompt::SetPath(const std::string& path) {
  answer_ = SaveMode::kCancel;
  QString shown = QFile::decodeName(QByteArray::fromStdString(path));
  // A zero-width space after each delimiter lets a long path wrap between its folders.
  shown.replace(QLatin1Char('/'), QStringLiteral("/\u200B"));
  path_label_->setText(shown);
}

void SavingFilePrompt::reject() {
  answer_ = SaveMode::kCancel;
  QDialog::reject();
}

void SavingFilePrompt::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  replace_->setFocus();
}

void SavingFilePrompt::Answered(SaveMode mode) {
  answer_ = mode;
  accept();
}

}  // namespace krellix
