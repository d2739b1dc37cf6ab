#include "ProgramIcon.h"

#include <QString>

namespace morlune {

QIcon ProgramIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/morlune/icon/morlune-%1.png").arg(size), QSize(size, size));
  }
  return icon;
}

}  // namespace morlune
