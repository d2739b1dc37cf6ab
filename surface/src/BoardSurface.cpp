#include "morlune/BoardSurface.h"

#include <cstddef>

namespace morlune {
namespace {

constexpr std::size_t Offset(int x, int y, int width) {
  return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
         static_cast<std::size_t>(x);
}

// The key is a colour, not a pixel value: whatever the unused top byte holds, 128,128,128 is
// skipped and 129,128,128 is not.
constexpr bool IsKeyColour(SurfacePixel pixel) {
  return ToBoardColour(pixel) == BackgroundGray;
}

}  // namespace

BoardSurface::BoardSurface()
    : pixels_(Offset(0, BoardHeight, BoardWidth), ToSurfacePixel(BackgroundGray)) {}

PixelRect BoardSurface::DrawPicture(const CellPicture* picture, CellIndex cell, bool keyed) {
  if (picture == nullptr || !IsOnBoard(cell)) return {};
  const PixelPoint origin = CellOrigin(cell);
  for (int y = 0; y < CellImageSize; ++y) {
    for (int x = 0; x < CellImageSize; ++x) {
      const SurfacePixel pixel = picture->pixels[Offset(x, y, CellImageSize)];
      if (keyed && IsKeyColour(pixel)) continue;
      pixels_[Offset(origin.x + x, origin.y + y, BoardWidth)] = pixel | 0xFF000000u;
    }
  }
  return {origin.x, origin.y, CellImageSize, CellImageSize};
}

Colour BoardSurface::ColorAt(int x, int y) const {
  if (x < 0 || x >= BoardWidth || y < 0 || y >= BoardHeight) return UnreadableColour;
  return ToBoardColour(pixels_[Offset(x, y, BoardWidth)]);
}

}  // namespace morlune
