// The one game the program plays: it sets up a board, takes the player's presses, moves the
// cat a step per turn and decides when the game is over. It draws and speaks only through
// the BoardView it is handed, so it outlives any window that shows it.
#pragma once

#include "morlune/BoardView.h"
#include "morlune/CoreTypes.h"
#include "morlune/MillisecondClock.h"
#include "morlune/WallDice.h"

namespace morlune {

class GameController {
 public:
  explicit GameController(MillisecondClock& clock) : dice_(clock) {}

  // Allowed at any time; a game in progress is replaced.
  void StartNewGame(BoardView& view);

  // A left press at board pixel (x, y). Refused silently unless a game is on, the pixel
  // shows a disc, and that disc is open and not the cat's.
  void HandleBoardPress(BoardView& view, int x, int y);

  GameState State() const { return state_; }
  CellIndex CatCell() const { return catCell_; }
  const Board& Cells() const { return board_; }
  const DistanceMap& Distances() const { return distanceMap_; }
  const CatRoute& Route() const { return route_; }
  // The fences the player has placed in this game; the preset crosses do not count.
  int PlayerStepCount() const;

 private:
  void PlacePresetWalls(BoardView& view);
  void MoveCat(BoardView& view);
  void CheckForEnd(BoardView& view);

  WallDice dice_;
  GameState state_ = GameState::Idle;
  CellIndex catCell_ = NoCell;
  Board board_{};
  DistanceMap distanceMap_{};
  CatRoute route_;
};

}  // namespace morlune
