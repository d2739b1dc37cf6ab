// A Windows .ico file. Every image goes in twice: as a 256-colour bitmap with an AND mask, for
// displays and tools that cannot blend, and as 32-bit BGRA with alpha.
#pragma once

#include <vector>

#include "ByteWriter.h"
#include "Image.h"

namespace morlune::artwork {

// Pixels at least this opaque are drawn by the 256-colour form; the others are masked out.
inline constexpr int PaletteOpaqueAlpha = 128;

// Takes RGBA images of at most 256 by 256 drawn in greys only, which a 256-entry grey ramp
// holds exactly.
Bytes EncodeIco(const std::vector<Image>& images);

}  // namespace morlune::artwork
