#include "app/splash_window.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

#include "app/startup_defaults.h"

namespace krellix {
namespace {

QPixmap SplashPicture() {
  QPixmap picture(420, 220);
  QPainter p(&picture);
  QLinearGradient sky(0, 0, 0, picture.height());
  sky.setColorAt(0, QColor(24, 52, 96));
  sky.setColorAt(1, QColor(8, 18, 40));
  p.fillRect(picture.rect(), sky);
  p.setRenderHint(QPainter::Antialiasing);

  // A magnifier over a stack of pages.
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 3; ++i) {
    p.setBrush(QColor(230 - 25 * i, 236 - 25 * i, 245 - 25 * i));
    p.drawRect(40 + 10 * i, 50 + 10 * i, 70, 90);
  }
  p.setPen(QPen(QColor(255, 200, 60), 9, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPoint(110, 110), 32, 32);
  p.drawLine(133, 133, 160, 160);

  p.setPen(Qt::white);
  QFont title = p.font();
  title.setPointSize(34);
  title.setBold(true);
  p.setFont(title);
  p.drawText(QRect(180, 60, 230, 60), Qt::AlignLeft | Qt::AlignVCenter, "Krellix");
  QFont small = p.font();
  small.setPointSize(10);
  small.setBold(false);
  p.setFont(small);
  p.drawText(QRect(182, 120, 230, 24), Qt::AlignLeft | Qt::AlignVCenter, kVersion);
  p.drawText(QRect(20, 180, 380, 24), Qt::AlignLeft | Qt::AlignVCenter, kCopyright);
  return picture;
}

}  // namespace

TSplash::TSplash() : QSplashScreen(SplashPicture()) {}

}  // namespace krellix
