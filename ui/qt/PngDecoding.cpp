#include "PngDecoding.h"

#include <QImageReader>

namespace morlune {

QImage DecodePng(const QString& path) {
  // The format is known, so Qt is told not to guess it: guessing loads every image format
  // plugin on the system to ask each whether it can read the file.
  QImageReader reader(path, "png");
  reader.setAutoDetectImageFormat(false);
  return reader.read();
}

}  // namespace morlune
