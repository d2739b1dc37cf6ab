#include "IconImages.h"

#include "Glyphs.h"

namespace morlune::artwork {

std::array<std::uint8_t, 4> IconPixel(const PixelCoverage& coverage) {
  const int total = coverage.outside + coverage.paper + coverage.ink;
  const int covered = coverage.paper + coverage.ink;
  const int alpha = (covered * 255 + total / 2) / total;
  if (alpha == 0) return {0, 0, 0, 0};
  const auto grey = static_cast<std::uint8_t>((coverage.paper * 255 + covered / 2) / covered);
  return {grey, grey, grey, static_cast<std::uint8_t>(alpha)};
}

Image IconImage(int size) {
  const CoverageMap coverage =
      Rasterise(Disc(), GlyphDrawing(CellGlyph::Cat), size, IconSamplesPerAxis);
  Image icon(size, size, 4);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const auto rgba = IconPixel(coverage.At(x, y));
      std::uint8_t* pixel = icon.PixelAt(x, y);
      for (int channel = 0; channel < 4; ++channel)
        pixel[channel] = rgba[channel];
    }
  }
  return icon;
}

}  // namespace morlune::artwork
