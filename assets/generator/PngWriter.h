// A minimal PNG encoder: 8-bit RGB or RGBA, no filtering, the zlib stream made of stored
// (uncompressed) deflate blocks. The pictures are tiny, so size does not matter; exactness does.
#pragma once

#include "ByteWriter.h"
#include "Image.h"

namespace morlune::artwork {

// Colour type 2 for 3 channels, 6 for 4.
Bytes EncodePng(const Image& image);

}  // namespace morlune::artwork
