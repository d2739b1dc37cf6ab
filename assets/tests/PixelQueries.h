// Small readers over decoded pictures that the checks below share.
#pragma once

#include <cstdint>
#include <vector>

#include "CellPictures.h"
#include "Image.h"

namespace morlune::artwork::testing {

inline bool IsKeyGrey(const Image& image, int x, int y) {
  const std::uint8_t* pixel = image.PixelAt(x, y);
  return pixel[0] == KeyGrey && pixel[1] == KeyGrey && pixel[2] == KeyGrey;
}

inline bool IsGrey(const std::uint8_t* pixel) {
  return pixel[0] == pixel[1] && pixel[1] == pixel[2];
}

// Counts the separate stretches of dark pixels (darker than the key grey) met walking from
// `from` in steps of (dx, dy) for `steps` pixels.
inline int DarkRuns(const Image& image, int x, int y, int dx, int dy, int steps) {
  int runs = 0;
  bool inRun = false;
  for (int i = 0; i < steps; ++i, x += dx, y += dy) {
    const bool dark = image.PixelAt(x, y)[0] < KeyGrey;
    if (dark && !inRun) ++runs;
    inRun = dark;
  }
  return runs;
}

// Where a square pixel lies against a circle: its nearest and farthest points from the centre.
struct PixelAgainstCircle {
  bool whollyOutside = false;
  bool whollyInside = false;
};

inline PixelAgainstCircle Classify(int x, int y, double pixelsPerUnit) {
  const double centre = 20.0 * pixelsPerUnit;
  const double radius = 20.0 * pixelsPerUnit;
  auto nearest = [centre](double low) {
    return centre < low ? low - centre : (centre > low + 1 ? centre - low - 1 : 0.0);
  };
  auto farthest = [centre](double low) {
    return centre - low > low + 1 - centre ? centre - low : low + 1 - centre;
  };
  const double nx = nearest(x);
  const double ny = nearest(y);
  const double fx = farthest(x);
  const double fy = farthest(y);
  return {nx * nx + ny * ny >= radius * radius, fx * fx + fy * fy < radius * radius};
}

}  // namespace morlune::artwork::testing
