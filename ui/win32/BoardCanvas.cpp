#include "BoardCanvas.h"

#include <windowsx.h>

#include <utility>

#include "WideText.h"

namespace morlune {

namespace {

void RegisterCanvasClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(instance, BoardCanvas::ClassName, &existing)) return;
  WNDCLASSEXW canvasClass{};
  canvasClass.cbSize = sizeof(canvasClass);
  // With CS_DBLCLKS the second press of a double-click arrives as WM_LBUTTONDBLCLK, which the
  // canvas drops; without it that press would come as one more WM_LBUTTONDOWN.
  canvasClass.style = CS_DBLCLKS;
  canvasClass.lpfnWndProc = procedure;
  canvasClass.hInstance = instance;
  canvasClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  // No background brush: every paint covers its whole area from the back buffer.
  canvasClass.hbrBackground = nullptr;
  canvasClass.lpszClassName = BoardCanvas::ClassName;
  RegisterClassExW(&canvasClass);
}

// The back buffer's pixels are 0xFFRRGGBB in rows from the top: a top-down 32-bit DIB.
BITMAPINFO SurfaceBitmapInfo() {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = BoardSurface::Width();
  info.bmiHeader.biHeight = -BoardSurface::Height();
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

}  // namespace

BoardCanvas::BoardCanvas(HWND parent, CellPictureSet pictures, PressHandler onPress)
    : pictures_(std::move(pictures)), onPress_(std::move(onPress)) {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
  RegisterCanvasClass(instance, &BoardCanvas::WindowProcedure);
  CreateWindowExW(0, ClassName, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0,
                  BoardSurface::Width(), BoardSurface::Height(), parent, nullptr, instance, this);
}

BoardCanvas::~BoardCanvas() {
  if (window_ != nullptr) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

void BoardCanvas::DrawCell(CellImage image, CellIndex cell, bool keyed) {
  const PixelRect changed = surface_.DrawPicture(pictures_.Find(image), cell, keyed);
  if (window_ == nullptr || changed.width <= 0 || changed.height <= 0) return;
  const RECT area{changed.x, changed.y, changed.x + changed.width, changed.y + changed.height};
  InvalidateRect(window_, &area, FALSE);
}

Colour BoardCanvas::ColorAt(int x, int y) {
  return surface_.ColorAt(x, y);
}

void BoardCanvas::ShowInfo(std::string_view text, std::string_view caption) {
  // No owner with MB_TASKMODAL: every window of the program is disabled while the box is
  // open, the About box too, so no press or command can slip in.
  MessageBoxW(nullptr, ToWide(text).c_str(), ToWide(caption).c_str(),
              MB_OK | MB_ICONINFORMATION | MB_TASKMODAL);
}

void BoardCanvas::Present(HDC target) const {
  // The whole buffer each time: the device context's clipping keeps the copy to the area
  // that needs it, and the buffer is small.
  const BITMAPINFO info = SurfaceBitmapInfo();
  StretchDIBits(target, 0, 0, BoardSurface::Width(), BoardSurface::Height(), 0, 0,
                BoardSurface::Width(), BoardSurface::Height(), surface_.Pixels(), &info,
                DIB_RGB_COLORS, SRCCOPY);
}

LRESULT CALLBACK BoardCanvas::WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* canvas =
        static_cast<BoardCanvas*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    canvas->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(canvas));
  }
  auto* canvas = reinterpret_cast<BoardCanvas*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (canvas == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    canvas->window_ = nullptr;
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return canvas->HandleMessage(message, wParam, lParam);
}

LRESULT BoardCanvas::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      if (HDC target = BeginPaint(window_, &paint)) {
        Present(target);
        EndPaint(window_, &paint);
      }
      return 0;
    }
    case WM_PRINTCLIENT:
      Present(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ERASEBKGND:
      return 1;  // painting covers everything; erasing first would only flicker
    case WM_LBUTTONDOWN:
      // Ctrl, Shift and the other buttons held at the time do not matter.
      if (onPress_) onPress_(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_LBUTTONDBLCLK:
      return 0;  // the second press of a double-click counts for nothing
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

}  // namespace morlune
