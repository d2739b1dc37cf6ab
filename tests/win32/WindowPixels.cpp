#include "WindowPixels.h"

#include <cstring>

namespace morlune::testing {

namespace {

// Runs the drawing into a top-down 32-bit DIB section of the client's size and returns its
// pixels with alpha forced opaque, since GDI leaves that byte undefined.
template <typename Draw>
WindowImage CaptureClient(HWND window, Draw draw) {
  RECT client{};
  GetClientRect(window, &client);
  WindowImage image;
  image.width = client.right - client.left;
  image.height = client.bottom - client.top;
  if (image.width <= 0 || image.height <= 0) return image;

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = image.width;
  info.bmiHeader.biHeight = -image.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC memory = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  draw(memory, image.width, image.height);
  GdiFlush();
  image.pixels.resize(static_cast<std::size_t>(image.width) *
                      static_cast<std::size_t>(image.height));
  std::memcpy(image.pixels.data(), bits, image.pixels.size() * sizeof(std::uint32_t));
  for (std::uint32_t& pixel : image.pixels)
    pixel |= 0xFF000000u;
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  return image;
}

}  // namespace

WindowImage CaptureFromWindowDc(HWND window) {
  UpdateWindow(window);
  return CaptureClient(window, [window](HDC memory, int width, int height) {
    HDC screen = GetDC(window);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    ReleaseDC(window, screen);
  });
}

WindowImage CaptureByPrintWindow(HWND window) {
  return CaptureClient(
      window, [window](HDC memory, int, int) { PrintWindow(window, memory, PW_CLIENTONLY); });
}

WindowImage CaptureFromScreen(HWND window) {
  UpdateWindow(window);
  // What a window has painted reaches the screen a little later, from the message loop.
  const ULONGLONG settled = GetTickCount64() + 150;
  while (GetTickCount64() < settled) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    PumpMessages();
  }
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  return CaptureClient(window, [origin](HDC memory, int width, int height) {
    HDC screen = GetDC(nullptr);
    BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
    ReleaseDC(nullptr, screen);
  });
}

void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
    if (message.message == WM_QUIT) return;
    PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace morlune::testing
