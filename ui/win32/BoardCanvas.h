// The board as the player sees it: a 544 by 440 child window that draws the cell pictures
// into the board's back buffer, presents that buffer, shows the game's messages and reports
// left presses. It knows nothing of the game; whoever receives the presses does.
#pragma once

#include <windows.h>

#include <functional>
#include <string_view>

#include "morlune/BoardSurface.h"
#include "morlune/BoardView.h"
#include "morlune/CellPicture.h"
#include "morlune/CoreTypes.h"

namespace morlune {

class BoardCanvas final : public BoardView {
 public:
  // Called with the board pixel of every plain left press.
  using PressHandler = std::function<void(int x, int y)>;

  // Creates the child window at the parent's client origin.
  BoardCanvas(HWND parent, CellPictureSet pictures, PressHandler onPress);
  ~BoardCanvas() override;
  BoardCanvas(const BoardCanvas&) = delete;
  BoardCanvas& operator=(const BoardCanvas&) = delete;

  void DrawCell(CellImage image, CellIndex cell, bool keyed) override;
  Colour ColorAt(int x, int y) override;
  void ShowInfo(std::string_view text, std::string_view caption) override;

  HWND Handle() const { return window_; }
  const BoardSurface& Surface() const { return surface_; }

  static constexpr const wchar_t* ClassName = L"MorluneBoardCanvas";

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Present(HDC target) const;

  HWND window_ = nullptr;
  CellPictureSet pictures_;
  PressHandler onPress_;
  BoardSurface surface_;
};

}  // namespace morlune
