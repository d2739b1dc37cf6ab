// The one door between the game core and whatever shows the board.
#pragma once

#include <string_view>

#include "morlune/CoreTypes.h"

namespace morlune {

class BoardView {
 public:
  virtual ~BoardView() = default;

  // Draws the picture with its top-left at the cell's origin. Keyed drawing skips the
  // picture's pixels that are exactly BackgroundGray; unkeyed drawing copies all of them.
  virtual void DrawCell(CellImage image, CellIndex cell, bool keyed) = 0;

  // The colour of board pixel (x, y) as shown, 0x00BBGGRR; UnreadableColour off the board.
  virtual Colour ColorAt(int x, int y) = 0;

  // An information message with one OK button; returns once the player has closed it.
  // Both texts are UTF-8.
  virtual void ShowInfo(std::string_view text, std::string_view caption) = 0;

 protected:
  BoardView() = default;
  BoardView(const BoardView&) = default;
  BoardView& operator=(const BoardView&) = default;
};

}  // namespace morlune
