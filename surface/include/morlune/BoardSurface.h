// The board's back buffer and its pixel rules: pictures are drawn into it keyed or unkeyed,
// colours are read back from it, and a front end presents it as it is.
#pragma once

#include <vector>

#include "morlune/BoardGeometry.h"
#include "morlune/CellPicture.h"
#include "morlune/CoreTypes.h"

namespace morlune {

struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

class BoardSurface {
 public:
  // BoardWidth by BoardHeight, filled with BackgroundGray.
  BoardSurface();

  // Draws the picture at the cell's origin and returns the rectangle that may have changed
  // (empty when nothing was drawn). Keyed drawing skips exactly BackgroundGray.
  PixelRect DrawPicture(const CellPicture* picture, CellIndex cell, bool keyed);

  // 0x00BBGGRR of pixel (x, y); UnreadableColour outside the surface.
  Colour ColorAt(int x, int y) const;

  const SurfacePixel* Pixels() const { return pixels_.data(); }
  static constexpr int Width() { return BoardWidth; }
  static constexpr int Height() { return BoardHeight; }
  static constexpr int BytesPerLine() {
    return BoardWidth * static_cast<int>(sizeof(SurfacePixel));
  }

 private:
  std::vector<SurfacePixel> pixels_;
};

}  // namespace morlune
