// Where the main window first appears: centred on the screen for its initial outer size.
#pragma once

#include <QPoint>
#include <QRect>

namespace morlune {

inline constexpr int InitialOuterWidth = 578;
inline constexpr int InitialOuterHeight = 527;

// The frame's top-left corner centred on the screen, then pulled back inside the available
// area (the screen less panels and docks) so a screen smaller than the window never pushes
// the title bar out of reach.
QPoint InitialWindowPosition(const QRect& screen, const QRect& available);

}  // namespace morlune
