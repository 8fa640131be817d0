#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace krellix {

// Draws a picture centred, scaled down to fit with its proportions kept and never enlarged,
// until the mouse wheel zooms it: then the picture control grows or shrinks by a tenth per
// step, up to the picture's natural size, down to 15 pixels.
class PictureView final : public QWidget {
  Q_OBJECT

 public:
  explicit PictureView(QWidget* parent = nullptr);

  // `natural` is the picture's own size (the image may be a smaller rendering of it).
  void SetPicture(const QImage& image, QSize natural);
  void Clear();
  bool HasPicture() const { return !image_.isNull(); }
  const QImage& Picture() const { return image_; }
  // The picture control's size now.
  QSize ControlSize() const;
  // Back to filling the view.
  void FitToView() {
    zoom_ = QSize();
    update();
  }
  // One wheel step; false when it does nothing.
  bool Zoom(bool zoom_in);

 signals:
  // The control changed its size by zooming.
  void zoomed(QSize size);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  QSize FittedSize() const;

  QImage image_;
  QPixmap scaled_;
  QSize natural_;
  // Empty while the picture fills the view.
  QSize zoom_;
};

}  // namespace krellix
