#include "Rasteriser.h"

#include <cstddef>

#include "Glyphs.h"

namespace morlune::artwork {
namespace {

bool Inside(const Bounds& bounds, Point point) {
  return point.x >= bounds.left && point.x <= bounds.right && point.y >= bounds.top &&
         point.y <= bounds.bottom;
}

// The last layer covering the point decides its ink; paper when none does.
Ink InkAt(const Drawing& glyph, const std::vector<Bounds>& bounds, Point point) {
  for (std::size_t i = glyph.size(); i-- > 0;) {
    if (Inside(bounds[i], point) && Contains(glyph[i].shape, point)) return glyph[i].ink;
  }
  return Ink::White;
}

}  // namespace

CoverageMap Rasterise(const Circle& disc, const Drawing& glyph, int size, int samplesPerAxis) {
  std::vector<Bounds> bounds;
  bounds.reserve(glyph.size());
  for (const Layer& layer : glyph)
    bounds.push_back(BoundsOf(layer.shape));

  CoverageMap map;
  map.size = size;
  map.samplesPerPixel = samplesPerAxis * samplesPerAxis;
  map.pixels.resize(static_cast<std::size_t>(size) * size);

  // Each probe sits at the centre of its sub-cell, computed afresh from its integer index so
  // that no rounding accumulates along a row.
  const int probesPerSide = size * samplesPerAxis;
  const double unitsPerProbe = DesignExtent / probesPerSide;
  auto probeCentre = [unitsPerProbe](int probe) { return (probe + 0.5) * unitsPerProbe; };

  for (int py = 0; py < size; ++py) {
    for (int px = 0; px < size; ++px) {
      PixelCoverage& coverage = map.pixels[static_cast<std::size_t>(py) * size + px];
      for (int sy = 0; sy < samplesPerAxis; ++sy) {
        const double y = probeCentre(py * samplesPerAxis + sy);
        for (int sx = 0; sx < samplesPerAxis; ++sx) {
          const Point point{probeCentre(px * samplesPerAxis + sx), y};
          if (!Contains(disc, point)) {
            ++coverage.outside;
          } else if (InkAt(glyph, bounds, point) == Ink::Black) {
            ++coverage.ink;
          } else {
            ++coverage.paper;
          }
        }
      }
    }
  }
  return map;
}

}  // namespace morlune::artwork
