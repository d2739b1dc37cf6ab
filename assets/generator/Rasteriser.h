// Turns a glyph drawn on a disc into per-pixel sample counts by supersampling: each pixel is
// probed on a regular grid, and every probe lands outside the disc, on paper or on ink.
#pragma once

#include <vector>

#include "Shapes.h"

namespace morlune::artwork {

// Counting samples instead of averaging colours keeps every later colour rule exact integer
// arithmetic: a pixel no sample of the disc reached is known to be outside, not "nearly grey".
struct PixelCoverage {
  int outside = 0;
  int paper = 0;
  int ink = 0;
};

struct CoverageMap {
  int size = 0;
  int samplesPerPixel = 0;
  std::vector<PixelCoverage> pixels;  // row by row from the top-left

  const PixelCoverage& At(int x, int y) const { return pixels[y * size + x]; }
};

// The square `size` pixels wide shows the whole design space, DesignExtent units wide. The
// glyph is clipped to the disc: ink outside the disc counts as outside.
CoverageMap Rasterise(const Circle& disc, const Drawing& glyph, int size, int samplesPerAxis);

}  // namespace morlune::artwork
