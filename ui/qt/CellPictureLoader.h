// Decodes the four cell pictures embedded in the program into the form the board draws.
#pragma once

#include <QString>
#include <optional>

#include "morlune/CellPicture.h"
#include "morlune/CoreTypes.h"

namespace morlune {

// The resource that holds the picture of one CellImage.
QString CellPictureResource(CellImage image);

// Nothing unless the file decodes to a picture of exactly CellImageSize by CellImageSize:
// a picture of another size could not be drawn as a cell.
std::optional<CellPicture> DecodeCellPicture(const QString& path);

// Every picture that decodes; a missing one then simply draws nothing.
CellPictureSet LoadCellPictures();

}  // namespace morlune
