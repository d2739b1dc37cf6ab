// The small vocabulary every part of the game speaks: cells, wall codes, states, colours.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace morlune {

// A cell's number, row * 11 + column + 1; 0 means "no cell".
using CellIndex = int;

inline constexpr int BoardSide = 11;
inline constexpr int CellCount = BoardSide * BoardSide;
inline constexpr CellIndex NoCell = 0;
inline constexpr CellIndex StartCell = 61;
inline constexpr int PresetWallCount = 9;

// What stands on a cell. Any code above OpenCell is a wall.
enum CellCode : int {
  OpenCell = 0,
  PlayerWall = 1,
  PresetWall = 2,
};

enum class GameState : int {
  Idle = 0,
  Playing = 1,
  Over = 2,
};

enum class RouteOutcome {
  RouteReady,
  NoTarget,
  Enclosed,
};

enum class CellImage {
  EmptyCellImage,
  CatImage,
  CrossImage,
  FenceImage,
};
using enum CellImage;

// Per-cell arrays are indexed by CellIndex directly; slot 0 stays unused so that no code
// has to translate between cell numbers and array positions.
template <typename T>
using PerCell = std::array<T, CellCount + 1>;

using Board = PerCell<CellCode>;
using DistanceMap = PerCell<int>;
using CatRoute = std::vector<CellIndex>;

// Colours travel as 0x00BBGGRR: red in the lowest byte.
using Colour = std::uint32_t;
inline constexpr Colour BackgroundGray = 0x00808080;
// What reading a pixel off the board yields; it never equals the background.
inline constexpr Colour UnreadableColour = 0xFFFFFFFF;

}  // namespace morlune
