// Decodes a PNG file, from the program's resources or from disk.
#pragma once

#include <QImage>
#include <QString>

namespace morlune {

// A null image if the file is missing or is not a readable PNG.
QImage DecodePng(const QString& path);

}  // namespace morlune
