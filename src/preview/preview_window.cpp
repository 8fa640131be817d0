#include "preview/preview_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace krellix {

PreviewWindow::PreviewWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowMinMaxButtonsHint) {
  setObjectName("previewWindow");
  setWindowTitle("Krellix - View");
  resize(480, 400);
  caption_ = new QLabel(this);
  caption_->setObjectName("previewWindowCaption");
  caption_->setAlignment(Qt::AlignCenter);
  stay_on_top_ = new QCheckBox("StayOnTop", this);
  stay_on_top_->setObjectName("stayOnTop");
  connect(stay_on_top_, &QCheckBox::toggled, this, [this](bool on) {
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    // Changing a flag hides the window.
    if (shown) show();
  });
  auto* top = new QHBoxLayout;
  top->addWidget(caption_, 1);
  top->addWidget(stay_on_top_);
  layout_ = new QVBoxLayout(this);
  layout_->setContentsMargins(2, 2, 2, 2);
  layout_->addLayout(top);
}

void PreviewWindow::Open(QWidget* body) {
  body->setParent(this);
  layout_->addWidget(body, 1);
  body->show();
  if (!place_.isEmpty()) restoreGeometry(place_);
  show();
  raise();
}

void PreviewWindow::Close() {
  place_ = saveGeometry();
  hide();
}

void PreviewWindow::SetCaption(const QString& text) { caption_->setText(text); }

QString PreviewWindow::Caption() const { return caption_->text(); }

void PreviewWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  emit dockRequested();
}

}  // namespace krellix
