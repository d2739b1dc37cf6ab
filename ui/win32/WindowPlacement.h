// Where the main window first appears and how it is then sized so the board fills its
// client area exactly.
#pragma once

#include <windows.h>

namespace morlune {

inline constexpr int InitialOuterWidth = 578;
inline constexpr int InitialOuterHeight = 527;

// The frame's top-left corner centred on the screen for the initial outer size, then pulled
// back inside the work area (the screen less the taskbar) so that a screen smaller than the
// window never pushes the title bar out of reach.
POINT InitialWindowPosition(const RECT& screen, const RECT& workArea);

// The same for the primary screen as the system reports it now.
POINT InitialWindowPositionOnPrimaryScreen();

// Resizes the window, keeping its top-left corner, until its client area is exactly the
// board: the width first, then the height measured after the width has settled. A narrow
// window's menu bar can wrap onto two lines and unwrap when widened, which changes the
// client height again, so it measures and corrects until both are right. Returns whether
// they are.
bool FitClientToBoard(HWND window);

}  // namespace morlune
