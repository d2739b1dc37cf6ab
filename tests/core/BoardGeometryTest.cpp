#include "morlune/BoardGeometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace morlune {
namespace {

struct CellPlace {
  CellIndex cell;
  int row;
  int column;
  PixelPoint origin;
};

TEST(BoardGeometry, RowsColumnsAndOriginsFollowTheNumbering) {
  const CellPlace places[] = {
      {1, 0, 0, {0, 0}},         {11, 0, 10, {480, 0}},  {12, 1, 0, {24, 40}},
      {22, 1, 10, {504, 40}},    {61, 5, 5, {264, 200}}, {111, 10, 0, {0, 400}},
      {121, 10, 10, {480, 400}},
  };
  for (const CellPlace& place : places) {
    SCOPED_TRACE(place.cell);
    EXPECT_EQ(RowOf(place.cell), place.row);
    EXPECT_EQ(ColumnOf(place.cell), place.column);
    EXPECT_EQ(CellOf(place.row, place.column), place.cell);
    EXPECT_EQ(CellOrigin(place.cell), place.origin);
  }
  static_assert(BoardWidth == 544 && BoardHeight == 440);
}

TEST(BoardGeometry, NeighborSlotsComeInDirectionOrderWithHolesOffTheBoard) {
  struct Case {
    CellIndex cell;
    NeighborSlots expected;
  };
  const Case cases[] = {
      {1, {0, 0, 0, 2, 0, 12}},        {11, {0, 0, 10, 0, 21, 22}},
      {12, {1, 2, 0, 13, 23, 24}},     {22, {11, 0, 21, 0, 33, 0}},
      {23, {0, 12, 0, 24, 0, 34}},     {33, {21, 22, 32, 0, 43, 44}},
      {61, {50, 51, 60, 62, 72, 73}},  {111, {0, 100, 0, 112, 0, 0}},
      {121, {109, 110, 120, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cell);
    EXPECT_EQ(NeighborsOf(c.cell), c.expected);
  }
}

// Adjacency must be mutual, and a hole in the slots must mean exactly "on the rim".
TEST(BoardGeometry, EveryNeighborRelationIsMutualAndOnlyRimCellsHaveHoles) {
  for (CellIndex cell = 1; cell <= CellCount; ++cell) {
    SCOPED_TRACE(cell);
    const NeighborSlots slots = NeighborsOf(cell);
    const bool hasHole = std::count(slots.begin(), slots.end(), NoCell) > 0;
    EXPECT_EQ(hasHole, IsRimCell(cell));
    for (const CellIndex neighbor : slots) {
      if (neighbor == NoCell) continue;
      ASSERT_TRUE(IsOnBoard(neighbor));
      const NeighborSlots back = NeighborsOf(neighbor);
      EXPECT_NE(std::find(back.begin(), back.end(), cell), back.end()) << "from " << neighbor;
    }
  }
}

TEST(BoardGeometry, EdgeScanOrderListsEachRimCellOnceTopLeftRightBottom) {
  const std::set<CellIndex> distinct(EdgeScanOrder.begin(), EdgeScanOrder.end());
  EXPECT_EQ(distinct.size(), 40u);
  EXPECT_TRUE(std::all_of(EdgeScanOrder.begin(), EdgeScanOrder.end(), IsRimCell));
  const std::array<CellIndex, 40> expected = {
      1,  2,  3,  4,  5,  6,  7,  8,  9,   10,  11,  12,  23,  34,  45,  56,  67,  78,  89,  100,
      22, 33, 44, 55, 66, 77, 88, 99, 110, 111, 112, 113, 114, 115, 116, 117, 118, 119, 120, 121};
  EXPECT_EQ(EdgeScanOrder, expected);
}

TEST(BoardGeometry, CellAtMapsDiscPixelsToTheirCellAndGapsToMeaninglessNumbers) {
  struct Case {
    int x;
    int y;
    CellIndex expected;
  };
  const Case cases[] = {
      {20, 20, 1},      {44, 60, 12},    {284, 220, 61},   {500, 420, 121},
      {530, 10, 12},    {10, 50, 11},    {543, 439, 122},  {-1, 0, NoCell},
      {544, 0, NoCell}, {0, -1, NoCell}, {0, 440, NoCell},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CellAt(c.x, c.y), c.expected) << c.x << "," << c.y;
  }
}

// Every pixel of every disc's square maps back to that disc.
TEST(BoardGeometry, CellAtInvertsCellOriginOverWholeSquares) {
  for (CellIndex cell = 1; cell <= CellCount; ++cell) {
    const PixelPoint origin = CellOrigin(cell);
    for (int dy = 0; dy < CellImageSize; ++dy) {
      for (int dx = 0; dx < CellImageSize; ++dx) {
        ASSERT_EQ(CellAt(origin.x + dx, origin.y + dy), cell) << "cell " << cell;
      }
    }
  }
}

}  // namespace
}  // namespace morlune
