// The artwork itself: the disc every cell picture is painted on, and the three glyphs drawn on
// it, all in one 40 by 40 design space.
#pragma once

#include <string_view>

#include "Shapes.h"

namespace morlune::artwork {

// Width and height of the design space; a picture `n` pixels wide shows it scaled by n / 40.
inline constexpr double DesignExtent = 40.0;

enum class CellGlyph { Empty, Cat, Cross, Fence };

inline constexpr CellGlyph AllCellGlyphs[] = {CellGlyph::Empty, CellGlyph::Cat, CellGlyph::Cross,
                                              CellGlyph::Fence};

// The white disc filling the design square.
Circle Disc();

// What is painted on the disc; nothing for the empty cell.
Drawing GlyphDrawing(CellGlyph glyph);

// The file name stem the picture is stored under.
std::string_view GlyphName(CellGlyph glyph);

}  // namespace morlune::artwork
