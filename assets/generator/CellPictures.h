// The four 40 by 40 cell pictures, opaque RGB, and the colour rule that keeps the key grey
// meaning exactly "outside the disc".
#pragma once

#include <cstdint>

#include "Glyphs.h"
#include "Image.h"
#include "Rasteriser.h"

namespace morlune::artwork {

inline constexpr int CellPictureSize = 40;
// The board draws pictures skipping exactly this grey, and it is also the board's own colour.
inline constexpr std::uint8_t KeyGrey = 128;
inline constexpr int CellSamplesPerAxis = 16;

// The grey a pixel gets from its samples. Only a pixel no sample of the disc reached is the
// key grey; a blend that happens to round to it is moved one step towards the disc's own
// colour there, or the pixel would turn into a hole.
std::uint8_t CellPixelGrey(const PixelCoverage& coverage);

Image CellPicture(CellGlyph glyph);

}  // namespace morlune::artwork
