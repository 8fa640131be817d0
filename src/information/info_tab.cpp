#include "information/info_tab.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "widgets/qt_text.h"

namespace krellix {

InfoTab::InfoTab(QWidget* parent) : QScrollArea(parent) {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  const char* titles[] = {kItemListGroup, kEnvironmentGroup};
  for (int g = 0; g < 2; ++g) {
    Shown& shown = groups_[g];
    shown.box = new QGroupBox(titles[g]);
    shown.form = new QFormLayout(shown.box);
    shown.form->setLabelAlignment(Qt::AlignLeft);
    shown.form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    layout->addWidget(shown.box);
  }
  layout->addStretch(1);
  setWidget(page);
  setWidgetResizable(true);
}

void InfoTab::ShowLines(Group group, const std::vector<InfoLine>& lines) {
  Shown& shown = groups_[group];
  // The captions of a group never change; its rows are made once and refilled after that.
  if (shown.labels.size() != lines.size()) {
    while (shown.form->rowCount() > 0) shown.form->removeRow(0);
    shown.labels.clear();
    for (std::size_t i = 0; i < lines.size(); ++i) {
      auto* caption = new QLabel;
      caption->setTextFormat(Qt::PlainText);
      auto* value = new QLabel;
      value->setTextFormat(Qt::PlainText);
      value->setTextInteractionFlags(Qt::TextSelectableByMouse);
      shown.form->addRow(caption, value);
      shown.labels.emplace_back(caption, value);
    }
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    shown.labels[i].first->setText(ToQt(lines[i].caption));
    shown.labels[i].second->setText(PathToQt(lines[i].value));
  }
}

QString InfoTab::Value(const QString& caption) const {
  for (const Shown& shown : groups_) {
    for (const auto& [c, v] : shown.labels) {
      if (c->text() == caption) return v->text();
    }
  }
  return {};
}

QString InfoTab::GroupTitle(Group group) const { return groups_[group].box->title(); }

}  // namespace krellix
