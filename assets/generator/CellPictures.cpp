#include "CellPictures.h"

#include <cstddef>

namespace morlune::artwork {

std::uint8_t CellPixelGrey(const PixelCoverage& coverage) {
  const int total = coverage.outside + coverage.paper + coverage.ink;
  if (coverage.outside == total) return KeyGrey;
  const int sum = coverage.paper * 255 + coverage.outside * KeyGrey;
  const int grey = (sum + total / 2) / total;
  if (grey != KeyGrey) return static_cast<std::uint8_t>(grey);
  // Paper lighter than the key and ink darker decide which way the blend leans.
  const bool discIsLight = coverage.paper * 255 >= (coverage.paper + coverage.ink) * KeyGrey;
  return discIsLight ? KeyGrey + 1 : KeyGrey - 1;
}

Image CellPicture(CellGlyph glyph) {
  const CoverageMap coverage =
      Rasterise(Disc(), GlyphDrawing(glyph), CellPictureSize, CellSamplesPerAxis);
  Image picture(CellPictureSize, CellPictureSize, 3);
  for (int y = 0; y < CellPictureSize; ++y) {
    for (int x = 0; x < CellPictureSize; ++x) {
      const std::uint8_t grey = CellPixelGrey(coverage.At(x, y));
      std::uint8_t* pixel = picture.PixelAt(x, y);
      pixel[0] = pixel[1] = pixel[2] = grey;
    }
  }
  return picture;
}

}  // namespace morlune::artwork
