// A decoded 40 by 40 cell picture, and the four of them a board is drawn from.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "morlune/BoardGeometry.h"
#include "morlune/CoreTypes.h"

namespace morlune {

// 0xFFRRGGBB: the layout Qt's RGB32 images and Windows' 32-bit DIB sections show as they are,
// so a front end presents the board's pixels without converting them.
using SurfacePixel = std::uint32_t;

constexpr Colour ToBoardColour(SurfacePixel pixel) {
  return ((pixel & 0xFFu) << 16) | (pixel & 0xFF00u) | ((pixel >> 16) & 0xFFu);
}

constexpr SurfacePixel ToSurfacePixel(Colour colour) {
  return 0xFF000000u | ((colour & 0xFFu) << 16) | (colour & 0xFF00u) | ((colour >> 16) & 0xFFu);
}

// Pixels row by row from the top-left.
struct CellPicture {
  std::array<SurfacePixel, CellImageSize * CellImageSize> pixels{};
};

// A picture that could not be decoded is simply missing, and drawing it draws nothing.
class CellPictureSet {
 public:
  void Set(CellImage image, const CellPicture& picture) { pictures_[Slot(image)] = picture; }
  const CellPicture* Find(CellImage image) const {
    const auto& picture = pictures_[Slot(image)];
    return picture ? &*picture : nullptr;
  }

 private:
  static std::size_t Slot(CellImage image) { return static_cast<std::size_t>(image); }
  std::array<std::optional<CellPicture>, 4> pictures_;
};

}  // namespace morlune
