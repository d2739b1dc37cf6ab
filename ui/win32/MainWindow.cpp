#include "MainWindow.h"

#include "AboutBox.h"
#include "CellPictureDecoder.h"
#include "MainMenu.h"
#include "ResourceIds.h"
#include "WideText.h"
#include "WindowPlacement.h"
#include "morlune/GameTexts.h"

namespace morlune {

namespace {

HICON LoadProgramIcon(HINSTANCE instance, int widthMetric, int heightMetric) {
  return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(MORLUNE_PROGRAM_ICON), IMAGE_ICON,
                                       GetSystemMetrics(widthMetric),
                                       GetSystemMetrics(heightMetric), LR_SHARED));
}

void RegisterMainWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(instance, MainWindow::ClassName, &existing)) return;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadProgramIcon(instance, SM_CXICON, SM_CYICON);
  windowClass.hIconSm = LoadProgramIcon(instance, SM_CXSMICON, SM_CYSMICON);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  windowClass.lpszClassName = MainWindow::ClassName;
  RegisterClassExW(&windowClass);
}

bool ModifierHeld() {
  // The high bit of GetKeyState says "down" as the thread saw it when the key message came.
  for (const int key : {VK_CONTROL, VK_SHIFT, VK_MENU}) {
    if (GetKeyState(key) < 0) return true;
  }
  return false;
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, GameController& controller) : controller_(controller) {
  RegisterMainWindowClass(instance, &MainWindow::WindowProcedure);
  const POINT position = InitialWindowPositionOnPrimaryScreen();
  CreateWindowExW(0, ClassName, ToWide(WindowCaption).c_str(), FrameStyle, position.x, position.y,
                  InitialOuterWidth, InitialOuterHeight, nullptr, CreateMainMenu(), instance, this);
  // The pictures never change, so they are decoded once, here, rather than for every batch.
  canvas_ = std::make_unique<BoardCanvas>(
      window_, LoadCellPictures(instance),
      [this](int x, int y) { controller_.HandleBoardPress(*canvas_, x, y); });
}

MainWindow::~MainWindow() {
  canvas_.reset();
  if (window_ != nullptr) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

bool MainWindow::FitClientToBoard() {
  return window_ != nullptr && morlune::FitClientToBoard(window_);
}

LRESULT CALLBACK MainWindow::WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* owner =
        static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    owner->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
  }
  auto* owner = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (owner == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    owner->window_ = nullptr;
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return owner->HandleMessage(message, wParam, lParam);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam));
      return 0;
    case WM_KEYDOWN:
      OnKeyDown(wParam);
      return 0;
    case WM_DESTROY:
      // The only window is gone: the event loop ends.
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

void MainWindow::OnCommand(UINT command) {
  if (command == StartGameCommand) {
    controller_.StartNewGame(*canvas_);
  } else if (command == AboutCommand) {
    ShowAbout();
  }
}

void MainWindow::OnKeyDown(WPARAM key) {
  // Only a plain Esc closes, at once and without asking; with Ctrl, Shift or Alt held it
  // means nothing.
  if (key == VK_ESCAPE && !ModifierHeld()) SendMessageW(window_, WM_CLOSE, 0, 0);
}

}  // namespace morlune
