// The program icon: the cat on the white disc, transparent outside the disc, at any size.
#pragma once

#include <array>
#include <cstdint>

#include "Image.h"
#include "Rasteriser.h"

namespace morlune::artwork {

inline constexpr std::array IconSizes{16, 32, 48, 64, 128, 256};
inline constexpr int IconSamplesPerAxis = 16;

// Straight (not premultiplied) RGBA: alpha is the disc's share of the pixel, the colour is the
// mix of paper and ink within that share. Fully transparent pixels are 0,0,0,0.
std::array<std::uint8_t, 4> IconPixel(const PixelCoverage& coverage);

Image IconImage(int size);

}  // namespace morlune::artwork
