#include "help/program_icon.h"

#include <QString>

namespace krellix {
namespace {

// The sizes drawn from data/krellix.svg at build time, in the resource ":/krellix/icons/".
constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

QString IconFile(int size) { return QString(":/krellix/icons/krellix-%1.png").arg(size); }

}  // namespace

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : kSizes) icon.addFile(IconFile(size), QSize(size, size));
  return icon;
}

QPixmap ProgramPicture(int size) { return ProgramIcon().pixmap(size, size); }

}  // namespace krellix
