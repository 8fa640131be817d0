#pragma once

#include <QIcon>
#include <QPixmap>

namespace krellix {

// The program's icon at every size it is drawn in, for its windows.
QIcon ProgramIcon();

// The program's picture at `size` pixels square (the About box shows it).
QPixmap ProgramPicture(int size);

}  // namespace krellix
