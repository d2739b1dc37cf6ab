// The program's one window: caption, icon, the two menus and the board canvas filling the
// client area, in a fixed frame that can be minimised but not maximised or resized.
#pragma once

#include <windows.h>

#include <memory>

#include "BoardCanvas.h"
#include "morlune/GameController.h"

namespace morlune {

class MainWindow {
 public:
  // Created hidden at its centred initial position and size, with the canvas inside. The
  // controller must outlive the window.
  MainWindow(HINSTANCE instance, GameController& controller);
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Makes the client area exactly the board's size whatever the frame and menu bar measure.
  // Call once, before the window is first shown.
  bool FitClientToBoard();

  // Null once the window has been closed.
  HWND Handle() const { return window_; }
  BoardCanvas& Canvas() { return *canvas_; }

  static constexpr const wchar_t* ClassName = L"MorluneMainWindow";
  static constexpr DWORD FrameStyle =
      WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(UINT command);
  void OnKeyDown(WPARAM key);

  GameController& controller_;
  HWND window_ = nullptr;
  std::unique_ptr<BoardCanvas> canvas_;
};

}  // namespace morlune
