#include "fileops/attributes_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace krellix {
namespace {

struct GroupSpec {
  const char* object_name;
  const char* caption;
};

constexpr GroupSpec kGroups[] = {{"attReadOnly", " ReadOnly "},
                                 {"attHidden", " Hidden "},
                                 {"attArchive", " Archive "},
                                 {"attSystem", " System "}};

AttribChoice ChoiceOf(const QButtonGroup* group) {
  return static_cast<AttribChoice>(group->checkedId());
}

}  // namespace

AttributesDialog::AttributesDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("attributesDialog");
  setWindowTitle("Set Attribute(s)");
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  auto* layout = new QVBoxLayout(this);

  auto* grid = new QGridLayout;
  for (std::size_t g = 0; g < groups_.size(); ++g) {
    auto* box = new QGroupBox(kGroups[g].caption);
    box->setObjectName(kGroups[g].object_name);
    auto* column = new QVBoxLayout(box);
    groups_[g] = new QButtonGroup(box);
    const std::pair<const char*, AttribChoice> buttons[] = {
        {"on", AttribChoice::kOn}, {" -", AttribChoice::kKeep}, {"off", AttribChoice::kOff}};
    for (const auto& [text, choice] : buttons) {
      auto* radio = new QRadioButton(text);
      radio->setObjectName(QString(kGroups[g].object_name) + "_" + QString(text).trimmed());
      groups_[g]->addButton(radio, static_cast<int>(choice));
      column->addWidget(radio);
    }
    grid->addWidget(box, 0, static_cast<int>(g));
  }
  layout->addLayout(grid);

  auto* date_row = new QHBoxLayout;
  set_date_ = new QCheckBox("Set date modified");
  set_date_->setObjectName("setDateModified");
  date_ = new QDateEdit;
  date_->setObjectName("dateModified");
  date_->setCalendarPopup(true);
  date_->setDisplayFormat("yyyy-MM-dd");
  time_ = new QTimeEdit;
  time_->setObjectName("timeModified");
  time_->setDisplayFormat("HH:mm:ss");
  date_row->addWidget(set_date_);
  date_row->addWidget(date_);
  date_row->addWidget(time_);
  date_row->addStretch(1);
  layout->addLayout(date_row);

  auto* buttons = new QHBoxLayout;
  auto* help = new QPushButton("Help");
  help->setObjectName("help");
  auto* ok = new QPushButton("OK");
  ok->setObjectName("ok");
  ok->setDefault(true);
  auto* cancel = new QPushButton("Cancel");
  cancel->setObjectName("cancel");
  buttons->addWidget(help);
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(help, &QPushButton::clicked, this, [this] { emit helpRequested(kHelpTopic); });
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void AttributesDialog::Prepare(const CivilDateTime& now) {
  for (QButtonGroup* group : groups_)
    group->button(static_cast<int>(AttribChoice::kKeep))->setChecked(true);
  set_date_->setChecked(false);
  date_->setDate(QDate(now.year, now.month, now.day));
  time_->setTime(QTime(now.hour, now.minute, now.second));
}

std::optional<AttribChoices> AttributesDialog::Run(const CivilDateTime& now) {
  Prepare(now);
  if (exec() != QDialog::Accepted) return std::nullopt;
  return Choices();
}

AttribChoices AttributesDialog::Choices() const {
  AttribChoices c;
  c.read_only = ChoiceOf(groups_[0]);
  c.hidden = ChoiceOf(groups_[1]);
  c.archive = ChoiceOf(groups_[2]);
  c.system = ChoiceOf(groups_[3]);
  c.set_date = set_date_->isChecked();
  const QDate d = date_->date();
  const QTime t = time_->time();
  c.date = {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), 0};
  return c;
}

}  // namespace krellix
