#include "preview/find_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace krellix {

FindDialog::FindDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("findDialog");
  setWindowTitle("Find");
  text_ = new QLineEdit(this);
  text_->setObjectName("findText");
  whole_word_ = new QCheckBox("Match &whole word only", this);
  whole_word_->setObjectName("wholeWord");
  match_case_ = new QCheckBox("Match &case", this);
  match_case_->setObjectName("matchCase");
  auto* direction = new QGroupBox("Direction", this);
  auto* up = new QRadioButton("&Up", direction);
  auto* down = new QRadioButton("&Down", direction);
  down->setChecked(true);
  auto* direction_layout = new QHBoxLayout(direction);
  direction_layout->addWidget(up);
  direction_layout->addWidget(down);
  auto* next = new QPushButton("&Find Next", this);
  next->setObjectName("findNext");
  next->setDefault(true);
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("findCancel");

  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel("Fi&nd what:", this), 0, 0);
  grid->addWidget(text_, 0, 1, 1, 2);
  grid->addWidget(next, 0, 3);
  grid->addWidget(whole_word_, 1, 0, 1, 2);
  grid->addWidget(direction, 1, 2, 2, 1);
  grid->addWidget(cancel, 1, 3);
  grid->addWidget(match_case_, 2, 0, 1, 2);

  connect(next, &QPushButton::clicked, this, [this] {
    if (!text_->text().isEmpty()) {
      emit findNext(text_->text(), whole_word_->isChecked(), match_case_->isChecked());
    }
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::hide);
}

void FindDialog::Open(const QString& text) {
  if (!text.isEmpty()) text_->setText(text);
  show();
  raise();
  activateWindow();
  text_->setFocus();
  text_->selectAll();
}

}  // namespace krellix
