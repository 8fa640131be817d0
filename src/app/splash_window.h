#pragma once

#include <QSplashScreen>

namespace krellix {

// The start-up picture: a borderless window centred on the screen while the main window is
// being built.
class TSplash final : public QSplashScreen {
  Q_OBJECT

 public:
  TSplash();
};

}  // namespace krellix
