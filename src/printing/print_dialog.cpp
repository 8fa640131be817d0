#include "printing/print_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "settings/app_settings.h"

namespace krellix {
namespace {

struct IncludeSpec {
  const char* caption;
  const char* object_name;
  bool OutputOptions::*field;
};

constexpr IncludeSpec kIncludes[] = {
    {"Include Volume", "ListVolume", &OutputOptions::ListVolume},
    {"Include Pathname", "ListPath", &OutputOptions::ListPath},
    {"Include FileSize", "ListSize", &OutputOptions::ListSize},
    {"Include FileDate", "ListDate", &OutputOptions::ListDate},
};

QPushButton* Button(const char* caption, const char* name) {
  auto* button = new QPushButton(caption);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

PrintDialog::PrintDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("printDialog");
  setWindowTitle("Print");
  auto* layout = new QVBoxLayout(this);

  auto* output = new QGroupBox(" Output ");
  auto* column = new QVBoxLayout(output);
  for (std::size_t i = 0; i < include_.size(); ++i) {
    include_[i] = new QCheckBox(kIncludes[i].caption);
    include_[i]->setObjectName(kIncludes[i].object_name);
    column->addWidget(include_[i]);
  }
  report_ = new QRadioButton("Report");
  report_->setObjectName("PrintReport");
  list_ = new QRadioButton("List");
  list_->setObjectName("PrintList");
  auto* style = new QButtonGroup(output);
  style->addButton(report_);
  style->addButton(list_);
  auto* font = Button("Font", "Font");
  auto* choice = new QHBoxLayout;
  choice->addWidget(report_);
  choice->addWidget(list_);
  choice->addStretch(1);
  choice->addWidget(font);
  column->addLayout(choice);
  layout->addWidget(output);

  auto* buttons = new QHBoxLayout;
  auto* help = Button("Help", "help");
  auto* ok = Button("OK", "ok");
  ok->setDefault(true);
  auto* cancel = Button("Cancel", "cancel");
  buttons->addWidget(help);
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(font, &QPushButton::clicked, this, [this] {
    if (choose_font) choose_font();
  });
  connect(help, &QPushButton::clicked, this, [this] { emit helpRequested(kHelpTopic); });
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool PrintDialog::Execute(AppSettings& settings) {
  Load(settings);
  if (exec() != QDialog::Accepted) return false;
  Store(settings);
  return true;
}

void PrintDialog::Load(const AppSettings& settings) {
  for (std::size_t i = 0; i < include_.size(); ++i) {
    include_[i]->setChecked(settings.output.*kIncludes[i].field);
  }
  // Both may be stored off (or on); the buttons show them as they are.
  auto* group = report_->group();
  group->setExclusive(false);
  report_->setChecked(settings.PrintReport);
  list_->setChecked(settings.PrintList);
  group->setExclusive(true);
}

void PrintDialog::Store(AppSettings& settings) const {
  for (std::size_t i = 0; i < include_.size(); ++i) {
    settings.output.*kIncludes[i].field = include_[i]->isChecked();
  }
  settings.PrintReport = report_->isChecked();
  settings.PrintList = list_->isChecked();
}

}  // namespace krellix
