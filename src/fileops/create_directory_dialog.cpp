#include "fileops/create_directory_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "platform/prompter.h"

namespace krellix {

CreateDirectoryDialog::CreateDirectoryDialog(Prompter& prompter, QWidget* parent)
    : QDialog(parent), prompter_(prompter) {
  setWindowTitle("Create directory ");
  base_ = new QLineEdit(this);
  base_->setReadOnly(true);
  auto* pick = new QPushButton("...", this);
  pick->setAutoDefault(false);
  connect(pick, &QPushButton::clicked, this, [this] { PickBase(); });
  auto* base_row = new QHBoxLayout;
  base_row->addWidget(base_, 1);
  base_row->addWidget(pick);
  directory_ = new QLineEdit(this);
  auto* top = new QFormLayout;
  top->addRow("Current: ", base_row);
  top->addRow("Directory: ", directory_);

  series_ = new QCheckBox(" sub directories ", this);
  prefix_ = new QLineEdit(this);
  suffix_ = new QLineEdit(this);
  auto* digits = new QRegularExpressionValidator(QRegularExpression("[0-9]{0,6}"), this);
  const auto number = [this, digits] {
    auto* field = new QLineEdit("1", this);
    field->setValidator(digits);
    field->setMaxLength(6);
    return field;
  };
  count_ = number();
  start_ = number();
  step_ = number();
  zero_fill_ = number();
  auto* series_box = new QGroupBox(this);
  auto* series = new QFormLayout(series_box);
  series->addRow(series_);
  series->addRow("Prefix: ", prefix_);
  series->addRow("Suffix: ", suffix_);
  series->addRow("Count: ", count_);
  series->addRow("Start:", start_);
  series->addRow("Step:", step_);
  series->addRow("Zero fill:", zero_fill_);

  auto* buttons = new QDialogButtonBox(
      QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
  buttons->button(QDialogButtonBox::Help)->setObjectName("help");
  connect(buttons, &QDialogButtonBox::helpRequested, this,
          [this] { emit helpRequested(kHelpTopic); });
  connect(buttons, &QDialogButtonBox::accepted, this, [this] { OkClick(); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(series_box);
  layout->addWidget(buttons);
  resize(460, sizeHint().height());
}

void CreateDirectoryDialog::Load(const CreateDirectoryValues& v) {
  base_->setText(base_bytes_.Show(v.base));
  directory_->setText(PathToQt(v.directory));
  series_->setChecked(v.series);
  prefix_->setText(PathToQt(v.prefix));
  suffix_->setText(PathToQt(v.suffix));
  count_->setText(ToQt(v.count));
  start_->setText(ToQt(v.start));
  step_->setText(ToQt(v.step));
  zero_fill_->setText(ToQt(v.zero_fill));
}

CreateDirectoryValues CreateDirectoryDialog::Values() const {
  CreateDirectoryValues v;
  v.base = base_bytes_.From(base_->text());
  v.directory = PathFromQt(directory_->text());
  v.series = series_->isChecked();
  v.prefix = PathFromQt(prefix_->text());
  v.suffix = PathFromQt(suffix_->text());
  v.count = FromQt(count_->text());
  v.start = FromQt(start_->text());
  v.step = FromQt(step_->text());
  v.zero_fill = FromQt(zero_fill_->text());
  return v;
}

bool CreateDirectoryDialog::Run(CreateDirectoryValues& values) {
  Load(values);
  directory_->setFocus();
  if (exec() != QDialog::Accepted) return false;
  values = Values();
  return true;
}

void CreateDirectoryDialog::OkClick() {
  directory_->setText(PathToQt(DirectoryFieldOnOk(PathFromQt(directory_->text()))));
  accept();
}

void CreateDirectoryDialog::PickBase() {
  if (const auto dir = prompter_.PickDirectory("Select base directory", base_bytes_.bytes)) {
    base_->setText(base_bytes_.Show(*dir));
  }
  directory_->setFocus();
}

}  // namespace krellix
