// The cell pictures are PNG files held in the program's resources; the Windows Imaging
// Component decodes them into the board's pixel layout.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <span>

#include "morlune/CellPicture.h"
#include "morlune/CoreTypes.h"

namespace morlune {

// A 40 by 40 picture from encoded bytes in any format the system can decode; nothing when
// the bytes do not decode or the size is wrong. Needs COM on the calling thread.
std::optional<CellPicture> DecodeCellPicture(std::span<const std::byte> encoded);

// The encoded bytes of a picture as built into the module; empty when it is absent.
std::span<const std::byte> EmbeddedPictureBytes(HINSTANCE module, CellImage image);

// All four pictures from the module's resources; a picture that fails to decode is missing
// and draws nothing.
CellPictureSet LoadCellPictures(HINSTANCE module);

}  // namespace morlune
