// A real main window over a controller whose preset walls the test chooses, shown and sized
// as the program does it, with helpers that press the board through window messages.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "MainMenu.h"
#include "MainWindow.h"
#include "ScriptedClock.h"
#include "WindowPixels.h"
#include "morlune/BoardGeometry.h"
#include "morlune/GameController.h"

namespace morlune::testing {

// Walls well away from the centre and from the cells the tests press.
inline const std::vector<CellIndex> DistantWalls{24, 26, 28, 30, 46, 50, 72, 76, 98};

// The centre of a cell's disc in board pixels.
inline PixelPoint CentreOf(CellIndex cell) {
  const PixelPoint origin = CellOrigin(cell);
  return {origin.x + CellImageSize / 2, origin.y + CellImageSize / 2};
}

class GameWindowFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<MainWindow>(GetModuleHandleW(nullptr), controller_);
    ASSERT_NE(window_->Handle(), nullptr);
    ASSERT_TRUE(window_->FitClientToBoard());
    ShowWindow(window_->Handle(), SW_SHOWNORMAL);
    UpdateWindow(window_->Handle());
    PumpMessages();
  }

  void TearDown() override {
    window_.reset();
    // A closed main window posts WM_QUIT; it must not end the next test's modal loops.
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
  }

  HWND Main() const { return window_->Handle(); }
  HWND CanvasWindow() const { return window_->Canvas().Handle(); }
  BoardCanvas& Canvas() { return window_->Canvas(); }

  void StartGameWithWalls(const std::vector<CellIndex>& walls) {
    clock_.ScriptRolls(walls);
    SendMessageW(Main(), WM_COMMAND, MAKEWPARAM(StartGameCommand, 0), 0);
  }

  // A plain press and release at a board pixel, sent the way the system delivers them.
  void PressAt(int x, int y) {
    SendMessageW(CanvasWindow(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(CanvasWindow(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  }
  void PressCell(CellIndex cell) {
    const PixelPoint centre = CentreOf(cell);
    PressAt(centre.x, centre.y);
  }

  ScriptedClock clock_;
  GameController controller_{clock_};
  std::unique_ptr<MainWindow> window_;
};

}  // namespace morlune::testing
