// How cells are numbered, which cells touch, which form the rim, and where each one sits
// on the 544 by 440 board surface. Nothing else in the program derives these on its own.
#pragma once

#include <array>

#include "morlune/CoreTypes.h"

namespace morlune {

inline constexpr int ColumnPitch = 48;  // left edge to left edge within a row
inline constexpr int RowPitch = 40;     // top to top of consecutive rows
inline constexpr int OddRowShift = 24;  // odd rows start half a cell further right
inline constexpr int CellImageSize = 40;
inline constexpr int BoardWidth = (BoardSide - 1) * ColumnPitch + OddRowShift + CellImageSize;
inline constexpr int BoardHeight = BoardSide * RowPitch;
inline constexpr int RimCellCount = 4 * (BoardSide - 1);

// The six neighbour slots, in the order every neighbour loop visits them.
enum Direction : int { UpLeft, UpRight, Left, Right, DownLeft, DownRight };
inline constexpr int DirectionCount = 6;

using NeighborSlots = std::array<CellIndex, DirectionCount>;

struct PixelPoint {
  int x = 0;
  int y = 0;
  friend constexpr bool operator==(PixelPoint, PixelPoint) = default;
};

constexpr int RowOf(CellIndex cell) {
  return (cell - 1) / BoardSide;
}
constexpr int ColumnOf(CellIndex cell) {
  return cell - RowOf(cell) * BoardSide - 1;
}
constexpr bool IsOddRow(int row) {
  return row % 2 == 1;
}
constexpr CellIndex CellOf(int row, int column) {
  return row * BoardSide + column + 1;
}
constexpr bool IsOnBoard(CellIndex cell) {
  return cell >= 1 && cell <= CellCount;
}

constexpr PixelPoint CellOrigin(CellIndex cell) {
  const int row = RowOf(cell);
  return {ColumnOf(cell) * ColumnPitch + (IsOddRow(row) ? OddRowShift : 0), row * RowPitch};
}

// Slots hold 0 where the neighbour would lie off the board.
constexpr NeighborSlots NeighborsOf(CellIndex cell) {
  const int row = RowOf(cell);
  const int column = ColumnOf(cell);
  const bool odd = IsOddRow(row);
  const bool hasUp = row > 0;
  const bool hasDown = row < BoardSide - 1;
  const bool hasLeft = column > 0;
  const bool hasRight = column < BoardSide - 1;
  // An odd row leans right, so its diagonals reach one column further right than an even row's.
  const bool diagonalLeft = odd || hasLeft;
  const bool diagonalRight = !odd || hasRight;
  const int lean = odd ? 1 : 0;
  return {
      hasUp && diagonalLeft ? cell - 12 + lean : NoCell,
      hasUp && diagonalRight ? cell - 11 + lean : NoCell,
      hasLeft ? cell - 1 : NoCell,
      hasRight ? cell + 1 : NoCell,
      hasDown && diagonalLeft ? cell + 10 + lean : NoCell,
      hasDown && diagonalRight ? cell + 11 + lean : NoCell,
  };
}

constexpr bool IsRimCell(CellIndex cell) {
  const int row = RowOf(cell);
  const int column = ColumnOf(cell);
  return row == 0 || row == BoardSide - 1 || column == 0 || column == BoardSide - 1;
}

// The rim in the order the cat's target is scanned: top row, left column, right column,
// bottom row. An earlier rim cell wins a tie.
inline constexpr std::array<CellIndex, RimCellCount> EdgeScanOrder = [] {
  std::array<CellIndex, RimCellCount> order{};
  int next = 0;
  for (int column = 0; column < BoardSide; ++column)
    order[next++] = CellOf(0, column);
  for (int row = 1; row < BoardSide - 1; ++row)
    order[next++] = CellOf(row, 0);
  for (int row = 1; row < BoardSide - 1; ++row)
    order[next++] = CellOf(row, BoardSide - 1);
  for (int column = 0; column < BoardSide; ++column)
    order[next++] = CellOf(BoardSide - 1, column);
  return order;
}();

// The cell whose disc covers pixel (x, y). Pixels in the gaps between discs give numbers
// that mean nothing (even 0 or 122), so callers ask only about pixels that show a disc.
// Pixels off the board give NoCell.
constexpr CellIndex CellAt(int x, int y) {
  if (x < 0 || x >= BoardWidth || y < 0 || y >= BoardHeight) return NoCell;
  const int row = y / RowPitch;
  const int column = IsOddRow(row) ? (x + OddRowShift) / ColumnPitch - 1 : x / ColumnPitch;
  return CellOf(row, column);
}

}  // namespace morlune
