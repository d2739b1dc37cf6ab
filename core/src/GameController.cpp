#include "morlune/GameController.h"

#include <algorithm>

#include "morlune/BoardGeometry.h"
#include "morlune/CatRouter.h"
#include "morlune/GameTexts.h"

namespace morlune {

void GameController::StartNewGame(BoardView& view) {
  board_.fill(OpenCell);
  state_ = GameState::Playing;
  catCell_ = StartCell;
  route_.clear();

  // Row by row, so the white discs cover the last game's crosses, fences and cat.
  for (CellIndex cell = 1; cell <= CellCount; ++cell)
    view.DrawCell(EmptyCellImage, cell, true);
  view.DrawCell(CatImage, catCell_, true);
  PlacePresetWalls(view);
}

void GameController::PlacePresetWalls(BoardView& view) {
  int placed = 0;
  while (placed < PresetWallCount) {
    const CellIndex cell = dice_.Roll();
    if (cell == catCell_ || board_[cell] != OpenCell) continue;
    board_[cell] = PresetWall;
    view.DrawCell(CrossImage, cell, true);
    ++placed;
  }
}

void GameController::HandleBoardPress(BoardView& view, int x, int y) {
  if (state_ != GameState::Playing) return;
  // The colour test keeps gaps, margins and disc corners from ever reaching CellAt.
  if (view.ColorAt(x, y) == BackgroundGray) return;
  const CellIndex cell = CellAt(x, y);
  if (!IsOnBoard(cell) || cell == catCell_ || board_[cell] > OpenCell) return;

  // Unkeyed: the fence replaces the whole square, corners included.
  view.DrawCell(FenceImage, cell, false);
  board_[cell] = PlayerWall;
  MoveCat(view);
  CheckForEnd(view);
}

void GameController::MoveCat(BoardView& view) {
  const RouteOutcome outcome = PlanRoute(board_, catCell_, distanceMap_, route_);
  if (outcome == RouteOutcome::Enclosed) {
    // Over before the message: nothing that runs while the box is open may play on.
    state_ = GameState::Over;
    view.ShowInfo(CatSurroundedText(PlayerStepCount()), GameOverCaption);
  }
  if (route_.size() > 1 && state_ == GameState::Playing) {
    view.DrawCell(EmptyCellImage, catCell_, true);
    catCell_ = route_[1];
    route_.erase(route_.begin());
    view.DrawCell(CatImage, catCell_, true);
  }
}

void GameController::CheckForEnd(BoardView& view) {
  if (state_ != GameState::Playing) return;
  // A missing neighbour means the cat stands on the rim.
  const NeighborSlots neighbors = NeighborsOf(catCell_);
  if (std::find(neighbors.begin(), neighbors.end(), NoCell) != neighbors.end()) {
    state_ = GameState::Over;
    view.ShowInfo(CatEscapedText, GameOverCaption);
  }
}

int GameController::PlayerStepCount() const {
  return static_cast<int>(std::count(board_.begin(), board_.end(), PlayerWall));
}

}  // namespace morlune
