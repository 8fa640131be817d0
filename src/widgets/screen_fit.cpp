#include "widgets/screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace krellix {

QRect WithSizeOnDesktop(QRect place) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return place;
  const QSize desktop = screen->virtualSize().expandedTo(QSize(1, 1));
  place.setWidth(std::clamp(place.width(), 1, desktop.width()));
  place.setHeight(std::clamp(place.height(), 1, desktop.height()));
  return place;
}

}  // namespace krellix
