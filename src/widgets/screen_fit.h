#pragma once

#include <QRect>

namespace krellix {

// A stored window size kept between 1 pixel and the whole desktop, so a hand-edited settings
// file cannot ask for a window that cannot be drawn. The position is left alone.
QRect WithSizeOnDesktop(QRect place);

}  // namespace krellix
