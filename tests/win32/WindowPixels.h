// The pixels a window shows, read back through GDI as 0xFFRRGGBB rows from the top, the
// same layout as the board's back buffer.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace morlune::testing {

struct WindowImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  std::uint32_t At(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
};

// Copies the client area from the window's own device context: what is on the screen.
WindowImage CaptureFromWindowDc(HWND window);

// Asks the window to draw its client area into a memory bitmap (PrintWindow), as a window
// covered by others would be asked.
WindowImage CaptureByPrintWindow(HWND window);

// Copies the client area's place from the whole screen: what the player sees there, and the
// one way to read a window of another program.
WindowImage CaptureFromScreen(HWND window);

// Handles every message waiting for this thread, so posted input and repaints take effect.
// Leaves WM_QUIT in the queue for whoever looks for it.
void PumpMessages();

}  // namespace morlune::testing
