#include "rename/rename_pane.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolTip>

namespace krellix {

RenamePane::RenamePane(QWidget* parent) : QWidget(parent) {
  setObjectName("renamePane");
  button_ = new QPushButton("Rename", this);
  button_->setObjectName("renameButton");
  button_->setToolTip("Rename selected file or directory");
  button_->setAutoDefault(false);
  field_ = new QLineEdit(this);
  field_->setObjectName("renameBox");
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 2, 0, 0);
  layout->addWidget(button_);
  layout->addWidget(field_, 1);
  field_->installEventFilter(this);
  connect(button_, &QPushButton::clicked, this, &RenamePane::renameRequested);
}

void RenamePane::Fill(const std::string& full_name) {
  if (!isVisible()) return;
  std::string name = full_name;
  if (name.empty() || name.back() != '/') name = name.substr(name.rfind('/') + 1);
  field_->setText(shown_.Show(name));
  field_->setToolTip({});
  field_->setCursorPosition(0);
  field_->deselect();
}

void RenamePane::Clear() {
  shown_.Show({});
  field_->clear();
  field_->setToolTip({});
}

std::string RenamePane::Text() const { return shown_.From(field_->text()); }

bool RenamePane::eventFilter(QObject* watched, QEvent* event) {
  if (watched == field_) {
    if (event->type() == QEvent::KeyPress) {
      const auto key = static_cast<QKeyEvent*>(event)->key();
      if ((key == Qt::Key_Return || key == Qt::Key_Enter) && isVisible()) {
        emit renameRequested();
        return true;
      }
    } else if (event->type() == QEvent::MouseButtonRelease) {
      const qsizetype selected = field_->selectedText().size();
      if (selected > 0) {
        const QString hint = QString::number(selected) + " chars. selected";
        field_->setToolTip(hint);
        QToolTip::showText(static_cast<QMouseEvent*>(event)->globalPosition().toPoint(), hint,
                           field_);
      } else {
        field_->setToolTip({});
        QToolTip::hideText();
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace krellix
