// Boards drawn as text, so a test shows the position it is about:
//
//   ". . . . . . . . . . ."     .  open      X  preset wall (cross)
//   " . . . . . # . . . . ."    #  player wall (fence)
//   ...                         C  the cat (an open cell)
//
// Eleven rows of eleven marks; spaces are only for the eye (odd rows sit half a cell right).
#pragma once

#include <string_view>
#include <vector>

#include "morlune/CoreTypes.h"

namespace morlune::testing {

struct SketchedBoard {
  Board board{};
  CellIndex cat = NoCell;
};

SketchedBoard ParseBoard(const std::vector<std::string_view>& rows);

// A board with walls on the given cells and nothing else.
Board WalledBoard(const std::vector<CellIndex>& walls);

}  // namespace morlune::testing
