#include "output/save_as_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "output/csv_settings_rule.h"
#include "output/delimiter_box.h"
#include "output/file_name_checks.h"
#include "platform/file_system.h"

namespace krellix {

namespace {

QCheckBox* NewCheck(const char* caption, const char* name, QWidget* parent) {
  auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
  box->setObjectName(QString::fromUtf8(name));
  return box;
}

}  // namespace

SaveAsDialog::SaveAsDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Save as..."));
  pick_file = [this](const QString& title, const QString& folder, const QString& name,
                     const QString& filter) {
    return DefaultPickFile(title, folder, name, filter);
  };

  auto* output = new QGroupBox(QStringLiteral(" Output "), this);
  scan_ = NewCheck("Include Scan string", "ListScan", output);
  volume_ = NewCheck("Include Volume", "ListVolume", output);
  path_ = NewCheck("Include Pathname", "ListPath", output);
  size_ = NewCheck("Include FileSize", "ListSize", output);
  date_ = NewCheck("Include FileDate", "ListDate", output);
  auto* output_layout = new QVBoxLayout(output);
  for (QCheckBox* box : {scan_, volume_, path_, size_, date_}) output_layout->addWidget(box);
  output_layout->addStretch();

  auto* file = new QGroupBox(QStringLiteral(" File "), this);
  csv_ = NewCheck(".CSV settings", "SaveCSV", file);
  quotes_ = NewCheck("Quoted strings", "Quotes", file);
  titles_ = NewCheck("Title columns", "Titles", file);
  glue_ = NewCheck("Glue Path\\Filename", "GluePath", file);
  headers_ = NewCheck("Include Header", "Headers", file);
  statistics_ = NewCheck("Include Statistics", "Statistics", file);

  delimiter_ = new QComboBox(file);
  delimiter_->setObjectName(QStringLiteral("OutputSep"));
  delimiter_->setEditable(true);
  delimiter_->setInsertPolicy(QComboBox::NoInsert);
  DelimiterBox::AddEntries(delimiter_);
  delimiter_->setToolTip(QStringLiteral("Separator character between output fields "));
  auto* delimiter_label = new QLabel(QStringLiteral("Delimiter"), file);
  delimiter_label->setBuddy(delimiter_);

  name_ = new QLineEdit(file);
  name_->setObjectName(QStringLiteral("SaveName"));
  auto* name_label = new QLabel(QStringLiteral("File name:"), file);
  name_label->setBuddy(name_);
  browse_ = new QPushButton(QStringLiteral("..."), file);
  browse_->setObjectName(QStringLiteral("Browse"));
  browse_->setAutoDefault(false);

  prompt_ = new QRadioButton(QStringLiteral("Prompt"), file);
  prompt_->setObjectName(QStringLiteral("OutFilePrompt"));
  append_ = new QRadioButton(QStringLiteral("Append "), file);
  append_->setObjectName(QStringLiteral("OutFileAppend"));
  replace_ = new QRadioButton(QStringLiteral("Replace"), file);
  replace_->setObjectName(QStringLiteral("OutFileReplace"));
  existing_ = new QButtonGroup(this);
  for (QRadioButton* r : {prompt_, append_, replace_}) existing_->addButton(r);

  auto* checks = new QGridLayout;
  checks->addWidget(csv_, 0, 0);
  checks->addWidget(quotes_, 1, 0);
  checks->addWidget(titles_, 2, 0);
  checks->addWidget(glue_, 0, 1);
  checks->addWidget(headers_, 1, 1);
  checks->addWidget(statistics_, 2, 1);
  auto* delimiter_row = new QHBoxLayout;
  delimiter_row->addWidget(delimiter_label);
  delimiter_row->addWidget(delimiter_, 1);
  auto* name_row = new QHBoxLayout;
  name_row->addWidget(name_label);
  name_row->addWidget(name_, 1);
  name_row->addWidget(browse_);
  auto* existing_row = new QHBoxLayout;
  for (QRadioButton* r : {prompt_, append_, replace_}) existing_row->addWidget(r);
  existing_row->addStretch();
  auto* file_layout = new QVBoxLayout(file);
  file_layout->addLayout(checks);
  file_layout->addLayout(delimiter_row);
  file_layout->addLayout(name_row);
  file_layout->addLayout(existing_row);

  invalid_bar_ = new QLabel(QStringLiteral(" Invalid File name: re-enter "), this);
  invalid_bar_->setObjectName(QStringLiteral("InvalidBar"));
  invalid_bar_->setStyleSheet(
      QStringLiteral("background-color: red; color: white; font-weight: bold;"));
  QSizePolicy bar_policy = invalid_bar_->sizePolicy();
  bar_policy.setHorizontalPolicy(QSizePolicy::Expanding);
  bar_policy.setRetainSizeWhenHidden(true);
  invalid_bar_->setSizePolicy(bar_policy);
  invalid_bar_->hide();

  auto* save = new QPushButton(QStringLiteral("Save"), this);
  save->setObjectName(QStringLiteral("Save"));
  save->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("Cancel"));
  cancel->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(invalid_bar_, 1);
  buttons->addWidget(save);
  buttons->addWidget(cancel);

  auto* groups = new QHBoxLayout;
  groups->addWidget(output);
  groups->addWidget(file, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(groups);
  layout->addLayout(buttons);

  connect(csv_, &QCheckBox::toggled, this, [this](bool checked) { ApplyCsvRule(checked); });
  connect(browse_, &QPushButton::clicked, this, [this] { BrowseClicked(); });
  connect(save, &QPushButton::clicked, this, [this] { SaveClicked(); });
  connect(cancel, &QPushButton::clicked, this, [this] { reject(); });
}

bool SaveAsDialog::Execute(OutputOptions& options) {
  Load(options);
  if (exec() != QDialog::Accepted) return false;
  Store(options);
  return true;
}

void SaveAsDialog::Load(const OutputOptions& o) {
  invalid_bar_->hide();
  SetName(o.SaveName);
  separator_.Show(delimiter_, o.OutputSep);

  quotes_->setChecked(o.Quotes);
  titles_->setChecked(o.Titles);
  headers_->setChecked(o.Headers);
  statistics_->setChecked(o.Statistics);
  scan_->setChecked(o.ListScan);
  volume_->setChecked(o.ListVolume);
  path_->setChecked(o.ListPath);
  glue_->setChecked(o.GluePath);
  size_->setChecked(o.ListSize);
  date_->setChecked(o.ListDate);

  // An exclusive group cannot uncheck its last button; options with none selected show none.
  existing_->setExclusive(false);
  prompt_->setChecked(o.OutFilePrompt);
  append_->setChecked(o.OutFileAppend && !o.OutFilePrompt);
  replace_->setChecked(o.OutFileReplace && !o.OutFilePrompt && !o.OutFileAppend);
  existing_->setExclusive(true);

  csv_->setChecked(o.SaveCSV);
}

void SaveAsDialog::Store(OutputOptions& o) const {
  o.SaveName = NameBytes();
  o.OutputSep = separator_.Separator(delimiter_);
  o.Quotes = quotes_->isChecked();
  o.Titles = titles_->isChecked();
  o.Headers = headers_->isChecked();
  o.Statistics = statistics_->isChecked();
  o.SaveCSV = csv_->isChecked();
  o.ListVolume = volume_->isChecked();
  o.ListPath = path_->isChecked();
  o.ListSize = size_->isChecked();
  o.ListDate = date_->isChecked();
  o.ListScan = scan_->isChecked();
  o.GluePath = glue_->isChecked();
  o.OutFileAppend = append_->isChecked();
  o.OutFileReplace = replace_->isChecked();
  o.OutFilePrompt = prompt_->isChecked();
}

void SaveAsDialog::ApplyCsvRule(bool checked) {
  ApplyCsvSettingsRule(
      {quotes_, titles_, headers_, statistics_, delimiter_, [this] { return NameBytes(); },
       [this](std::string name) { SetName(std::move(name)); }},
      checked);
}

void SaveAsDialog::BrowseClicked() {
  const std::string name = NameBytes();
  const QString filter = csv_->isChecked() ? QStringLiteral("Text files (*.csv);;All files (*)")
                                           : QStringLiteral("Text files (*.txt);;All files (*)");
  const QString chosen = pick_file(QStringLiteral("Write to filename"),
                                   PathToQt(DirectoryPart(name)), PathToQt(NamePart(name)), filter);
  if (!chosen.isEmpty()) SetName(PathFromQt(chosen));
}

void SaveAsDialog::SaveClicked() {
  invalid_bar_->hide();
  if (!ValidFilename(NameBytes())) {
    invalid_bar_->show();
    return;
  }
  accept();
}

std::string SaveAsDialog::NameBytes() const { return name_bytes_.From(name_->text()); }

void SaveAsDialog::SetName(std::string bytes) {
  name_->setText(name_bytes_.Show(std::move(bytes)));
}

QString SaveAsDialog::DefaultPickFile(const QString& title, const QString& folder,
                                      const QString& name, const QString& filter) {
  QFileDialog dialog(this, title, folder, filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setDefaultSuffix(QStringLiteral("txt"));
  dialog.selectFile(name);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

}  // namespace krellix
