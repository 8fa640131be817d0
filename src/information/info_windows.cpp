#include "information/info_windows.h"

#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "widgets/qt_text.h"

namespace krellix {

InfoWindow::InfoWindow(const QString& title, const std::vector<InfoLine>& lines, CloseOn close_on,
                       QWidget* parent)
    : QDialog(parent), lines_(lines), close_on_(close_on) {
  setWindowTitle(title);
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 16, 24, 16);
  for (const InfoLine& line : lines_) {
    auto* label = new QLabel(ToQt(line.caption) + PathToQt(line.value));
    label->setTextFormat(Qt::PlainText);
    layout->addWidget(label);
  }
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString InfoWindow::LineText(const QString& caption) const {
  for (const InfoLine& line : lines_) {
    if (ToQt(line.caption) == caption) return ToQt(line.caption) + PathToQt(line.value);
  }
  return {};
}

void InfoWindow::mousePressEvent(QMouseEvent* event) {
  event->accept();
  accept();
}

void InfoWindow::keyPressEvent(QKeyEvent* event) {
  event->accept();
  if (close_on_ == CloseOn::kKeyPress) {
    accept();
  } else {
    key_down_ = true;
  }
}

void InfoWindow::keyReleaseEvent(QKeyEvent* event) {
  event->accept();
  if (close_on_ == CloseOn::kKeyRelease && key_down_ && !event->isAutoRepeat()) accept();
}

}  // namespace krellix
