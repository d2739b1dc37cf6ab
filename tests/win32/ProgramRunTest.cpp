// The real morlune.exe from start to end: its window appears sized to the board, a game
// starts from the menu command, Esc closes it and the program exits with 0.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "MainMenu.h"
#include "MainWindow.h"
#include "ShippedProgram.h"
#include "WindowPixels.h"
#include "morlune/BoardGeometry.h"

namespace morlune::testing {
namespace {

struct FoundWindow {
  DWORD processId;
  HWND window;
};

BOOL CALLBACK FindProgramWindow(HWND window, LPARAM context) {
  auto& found = *reinterpret_cast<FoundWindow*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t className[64] = {};
  GetClassNameW(window, className, 64);
  if (owner == found.processId && std::wstring(className) == MainWindow::ClassName &&
      IsWindowVisible(window)) {
    found.window = window;
    return FALSE;
  }
  return TRUE;
}

TEST(ProgramRunTest, StartsWithTheBoardSizedWindowPlaysAndEndsWithZeroOnEsc) {
  std::wstring command = L"\"" + ShippedProgramPath() + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &process));
  WaitForInputIdle(process.hProcess, 10000);

  FoundWindow found{process.dwProcessId, nullptr};
  for (int attempt = 0; attempt < 100 && found.window == nullptr; ++attempt) {
    EnumWindows(&FindProgramWindow, reinterpret_cast<LPARAM>(&found));
    if (found.window == nullptr) Sleep(100);
  }
  if (found.window != nullptr) {
    RECT client{};
    GetClientRect(found.window, &client);
    EXPECT_EQ(client.right, BoardWidth);
    EXPECT_EQ(client.bottom, BoardHeight);
    wchar_t caption[32] = {};
    GetWindowTextW(found.window, caption, 32);
    EXPECT_EQ(std::wstring(caption), L"Morlune");

    HWND canvas = GetWindow(found.window, GW_CHILD);
    ASSERT_NE(canvas, nullptr);
    EXPECT_EQ(ToBoardColour(CaptureFromScreen(canvas).At(284, 220)), BackgroundGray);
    // A sent command returns once the other program has drawn the new game.
    SendMessageW(found.window, WM_COMMAND, MAKEWPARAM(StartGameCommand, 0), 0);
    const WindowImage board = CaptureFromScreen(canvas);
    ASSERT_EQ(board.width, BoardWidth);
    EXPECT_NE(ToBoardColour(board.At(284, 220)), BackgroundGray);
    EXPECT_EQ(ToBoardColour(board.At(44, 20)), BackgroundGray);

    PostMessageW(found.window, WM_KEYDOWN, VK_ESCAPE, 0);
  }
  const DWORD waited = WaitForSingleObject(process.hProcess, 15000);
  if (waited != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 99);
  DWORD exitCode = 0;
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  ASSERT_NE(found.window, nullptr) << "the program showed no window";
  EXPECT_EQ(waited, WAIT_OBJECT_0) << "Esc did not end the program";
  EXPECT_EQ(exitCode, 0u);
}

}  // namespace
}  // namespace morlune::testing
