#include "preview/picture_view.h"

#include <QPainter>
#include <QWheelEvent>

#include "preview/preview_types.h"

namespace krellix {

PictureView::PictureView(QWidget* parent) : QWidget(parent) {
  setObjectName("previewPicture");
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureView::SetPicture(const QImage& image, QSize natural) {
  image_ = image;
  natural_ = natural.isValid() ? natural : image.size();
  zoom_ = QSize();
  scaled_ = QPixmap();
  update();
}

void PictureView::Clear() {
  image_ = QImage();
  natural_ = QSize();
  zoom_ = QSize();
  scaled_ = QPixmap();
  update();
}

QSize PictureView::FittedSize() const {
  if (image_.isNull()) return {};
  QSize fitted = natural_;
  if (fitted.width() > width() || fitted.height() > height()) {
    fitted.scale(size(), Qt::KeepAspectRatio);
  }
  return fitted;
}

QSize PictureView::ControlSize() const { return zoom_.isValid() ? zoom_ : FittedSize(); }

bool PictureView::Zoom(bool zoom_in) {
  if (image_.isNull()) return false;
  const QSize control = ControlSize();
  const auto next =
      ZoomStep({control.width(), control.height()}, {natural_.width(), natural_.height()}, zoom_in);
  if (!next) return false;
  zoom_ = QSize(next->width, next->height);
  update();
  emit zoomed(zoom_);
  return true;
}

void PictureView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  if (image_.isNull()) return;
  const QSize control = ControlSize();
  // Centred: offsets are half the difference, rounded toward zero.
  const QRect target((width() - control.width()) / 2, (height() - control.height()) / 2,
                     control.width(), control.height());
  // Scaled once per control size, not at every paint.
  if (scaled_.size() != control) {
    scaled_ =
        QPixmap::fromImage(image_.scaled(control, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  }
  painter.drawPixmap(target.topLeft(), scaled_);
}

void PictureView::wheelEvent(QWheelEvent* event) {
  const int steps = event->angleDelta().y();
  if (steps == 0 || image_.isNull()) {
    QWidget::wheelEvent(event);
    return;
  }
  // Rolled towards the user (a negative delta) zooms in.
  Zoom(steps < 0);
  event->accept();
}

}  // namespace krellix
