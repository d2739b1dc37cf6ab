#include "BoardSketch.h"

#include <stdexcept>
#include <string>

#include "morlune/BoardGeometry.h"

namespace morlune::testing {

SketchedBoard ParseBoard(const std::vector<std::string_view>& rows) {
  if (rows.size() != BoardSide) throw std::invalid_argument("a board has 11 rows");
  SketchedBoard sketch;
  for (int row = 0; row < BoardSide; ++row) {
    int column = 0;
    for (const char mark : rows[static_cast<std::size_t>(row)]) {
      if (mark == ' ') continue;
      if (column == BoardSide)
        throw std::invalid_argument("row " + std::to_string(row) + " too long");
      const CellIndex cell = CellOf(row, column++);
      switch (mark) {
        case '.':
          break;
        case 'X':
          sketch.board[cell] = PresetWall;
          break;
        case '#':
          sketch.board[cell] = PlayerWall;
          break;
        case 'C':
          sketch.cat = cell;
          break;
        default:
          throw std::invalid_argument(std::string("unknown mark ") + mark);
      }
    }
    if (column != BoardSide)
      throw std::invalid_argument("row " + std::to_string(row) + " too short");
  }
  return sketch;
}

Board WalledBoard(const std::vector<CellIndex>& walls) {
  Board board{};
  for (const CellIndex wall : walls)
    board[wall] = PresetWall;
  return board;
}

}  // namespace morlune::testing
