#include "WindowPlacement.h"

#include <algorithm>

#include "morlune/BoardGeometry.h"

namespace morlune {

namespace {

// Two rounds settle any menu bar wrap; the rest is a margin against a frame that keeps
// changing its mind, so the loop always ends.
constexpr int MaximumFitRounds = 4;

struct WindowSizes {
  int outerWidth;
  int outerHeight;
  int clientWidth;
  int clientHeight;
};

WindowSizes Measure(HWND window) {
  RECT outer{};
  RECT client{};
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  return {outer.right - outer.left, outer.bottom - outer.top, client.right - client.left,
          client.bottom - client.top};
}

void ResizeKeepingTopLeft(HWND window, int width, int height) {
  SetWindowPos(window, nullptr, 0, 0, width, height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

}  // namespace

POINT InitialWindowPosition(const RECT& screen, const RECT& workArea) {
  const int screenWidth = screen.right - screen.left;
  const int screenHeight = screen.bottom - screen.top;
  LONG left = screen.left + (screenWidth - InitialOuterWidth) / 2;
  LONG top = screen.top + (screenHeight - InitialOuterHeight) / 2;
  // Keep the far edge inside when the window fits; never let the near edge out, even when it
  // does not, since that is where the title bar and the menus are.
  left = std::max(std::min(left, workArea.right - InitialOuterWidth), workArea.left);
  top = std::max(std::min(top, workArea.bottom - InitialOuterHeight), workArea.top);
  return {left, top};
}

POINT InitialWindowPositionOnPrimaryScreen() {
  const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  RECT workArea = screen;
  if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0)) workArea = screen;
  return InitialWindowPosition(screen, workArea);
}

bool FitClientToBoard(HWND window) {
  for (int round = 0; round < MaximumFitRounds; ++round) {
    WindowSizes sizes = Measure(window);
    if (sizes.clientWidth == BoardWidth && sizes.clientHeight == BoardHeight) return true;
    if (sizes.clientWidth != BoardWidth) {
      ResizeKeepingTopLeft(window, sizes.outerWidth + BoardWidth - sizes.clientWidth,
                           sizes.outerHeight);
      sizes = Measure(window);
    }
    if (sizes.clientHeight != BoardHeight) {
      ResizeKeepingTopLeft(window, sizes.outerWidth,
                           sizes.outerHeight + BoardHeight - sizes.clientHeight);
    }
  }
  const WindowSizes settled = Measure(window);
  return settled.clientWidth == BoardWidth && settled.clientHeight == BoardHeight;
}

}  // namespace morlune
