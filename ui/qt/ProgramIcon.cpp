#include "ProgramIcon.h"

#include <QImage>
#include <QPixmap>
#include <QString>

#include "PngDecoding.h"

namespace morlune {

QIcon ProgramIcon() {
  QIcon icon;
  // Title bars, task bars and window switchers ask for 16 to 128; launchers take the installed
  // theme icons instead, so the 256 is not carried in the program.
  for (const int size : {16, 32, 48, 64, 128}) {
    const QImage image = DecodePng(QStringLiteral(":/morlune/icon/morlune-%1.png").arg(size));
    if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

}  // namespace morlune
