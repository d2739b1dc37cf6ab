// Writes a drawing on its disc as SVG from the same shapes the rasteriser samples, so the
// scalable icon and the pixel icons cannot drift apart.
#pragma once

#include <string>

#include "Shapes.h"

namespace morlune::artwork {

// Rounded to thousandths and printed without a locale or trailing zeros ("12.5", "-0.25",
// "20"), so the text is the same everywhere.
std::string FormatSvgNumber(double value);

// The disc is white and everything outside it is left transparent; the drawing is clipped to
// the disc. `pixelSize` is the width and height the document asks to be shown at.
std::string SvgDocument(const Circle& disc, const Drawing& drawing, int pixelSize);

}  // namespace morlune::artwork
