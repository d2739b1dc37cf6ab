#include "CellPictureLoader.h"

#include <QImage>
#include <algorithm>
#include <cstddef>

#include "PngDecoding.h"

namespace morlune {

QString CellPictureResource(CellImage image) {
  switch (image) {
    case EmptyCellImage:
      return QStringLiteral(":/morlune/pictures/empty.png");
    case CatImage:
      return QStringLiteral(":/morlune/pictures/cat.png");
    case CrossImage:
      return QStringLiteral(":/morlune/pictures/cross.png");
    case FenceImage:
      return QStringLiteral(":/morlune/pictures/fence.png");
  }
  return {};
}

std::optional<CellPicture> DecodeCellPicture(const QString& path) {
  const QImage decoded = DecodePng(path);
  if (decoded.isNull() || decoded.width() != CellImageSize || decoded.height() != CellImageSize) {
    return std::nullopt;
  }
  // RGB32 holds each pixel as 0xFFRRGGBB, the board's own layout, with the colours exactly as
  // stored: no dithering, no premultiplying, so the key grey stays 128,128,128.
  const QImage rgb = decoded.convertToFormat(QImage::Format_RGB32);
  CellPicture picture;
  for (int y = 0; y < CellImageSize; ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    std::copy(line, line + CellImageSize,
              picture.pixels.begin() + static_cast<std::ptrdiff_t>(y) * CellImageSize);
  }
  return picture;
}

CellPictureSet LoadCellPictures() {
  CellPictureSet pictures;
  for (const CellImage image : {EmptyCellImage, CatImage, CrossImage, FenceImage}) {
    if (const auto picture = DecodeCellPicture(CellPictureResource(image))) {
      pictures.Set(image, *picture);
    }
  }
  return pictures;
}

}  // namespace morlune
