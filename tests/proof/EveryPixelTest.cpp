// Every one of the board's 239,360 pixels pressed on the real canvas with the real pictures:
// before any game, and in a game from a fixed starting position. A press must be accepted
// exactly when its pixel shows a disc of an open cell other than the cat's, and must then wall
// the cell whose picture holds that pixel.
#include <gtest/gtest.h>

#include <optional>

#include "BoardCanvas.h"
#include "CellPictureLoader.h"
#include "ScriptedClock.h"
#include "morlune/BoardGeometry.h"
#include "morlune/GameController.h"

namespace morlune {
namespace {

// Passes everything on to the canvas and counts what the controller asked for, so a refused
// press can be seen to have drawn and said nothing.
class CountingView final : public BoardView {
 public:
  explicit CountingView(BoardCanvas& canvas) : canvas_(canvas) {}
  void DrawCell(CellImage image, CellIndex cell, bool keyed) override {
    ++calls;
    canvas_.DrawCell(image, cell, keyed);
  }
  Colour ColorAt(int x, int y) override { return canvas_.ColorAt(x, y); }
  void ShowInfo(std::string_view, std::string_view) override { ++calls; }
  int calls = 0;

 private:
  BoardCanvas& canvas_;
};

// The cell whose 40 by 40 square holds the pixel, found by looking at every square rather
// than by the game's own arithmetic.
CellIndex SquareHolding(int x, int y) {
  for (CellIndex cell = 1; cell <= CellCount; ++cell) {
    const PixelPoint origin = CellOrigin(cell);
    if (x >= origin.x && x < origin.x + CellImageSize && y >= origin.y &&
        y < origin.y + CellImageSize) {
      return cell;
    }
  }
  return NoCell;
}

std::vector<Colour> Snapshot(const BoardCanvas& canvas) {
  std::vector<Colour> pixels;
  for (int y = 0; y < BoardHeight; ++y) {
    for (int x = 0; x < BoardWidth; ++x)
      pixels.push_back(canvas.Surface().ColorAt(x, y));
  }
  return pixels;
}

const std::vector<CellIndex> Crosses = {1, 23, 45, 58, 64, 77, 99, 110, 121};

TEST(EveryPixel, PressesBeforeAnyGameAreAllRefused) {
  testing::ScriptedClock clock;
  GameController game(clock);
  BoardCanvas canvas(LoadCellPictures());
  CountingView view(canvas);
  for (int y = 0; y < BoardHeight; ++y) {
    for (int x = 0; x < BoardWidth; ++x)
      game.HandleBoardPress(view, x, y);
  }
  EXPECT_EQ(view.calls, 0);
  EXPECT_EQ(game.State(), GameState::Idle);
  EXPECT_EQ(Snapshot(canvas), std::vector<Colour>(BoardWidth * BoardHeight, BackgroundGray));
}

TEST(EveryPixel, InAGameAPressWallsExactlyTheOpenDiscUnderIt) {
  testing::ScriptedClock clock;
  clock.ScriptRolls(Crosses);
  GameController start(clock);
  BoardCanvas canvas(LoadCellPictures());
  CountingView view(canvas);
  start.StartNewGame(view);
  const std::vector<Colour> startPixels = Snapshot(canvas);
  const Board startBoard = start.Cells();

  std::optional<GameController> game(start);
  long long accepted = 0;
  long long refused = 0;
  for (int y = 0; y < BoardHeight; ++y) {
    for (int x = 0; x < BoardWidth; ++x) {
      const CellIndex square = SquareHolding(x, y);
      const bool showsDisc = canvas.ColorAt(x, y) != BackgroundGray;
      ASSERT_TRUE(!showsDisc || square != NoCell) << "a disc pixel outside every square";
      const bool shouldAccept = showsDisc && square != StartCell && startBoard[square] == OpenCell;

      view.calls = 0;
      game->HandleBoardPress(view, x, y);

      if (!shouldAccept) {
        ++refused;
        ASSERT_EQ(view.calls, 0) << "refused press at " << x << "," << y << " drew";
        ASSERT_EQ(game->Cells(), startBoard) << "refused press at " << x << "," << y;
        ASSERT_EQ(game->CatCell(), StartCell);
        continue;
      }
      ++accepted;
      Board expected = startBoard;
      expected[square] = PlayerWall;
      ASSERT_EQ(game->Cells(), expected) << "press at " << x << "," << y;

      // Back to the starting position: the controller from its copy, the canvas by drawing
      // the cells that changed as they were.
      const CellIndex movedTo = game->CatCell();
      game.emplace(start);
      canvas.DrawCell(EmptyCellImage, square, true);
      canvas.DrawCell(EmptyCellImage, movedTo, true);
      canvas.DrawCell(CatImage, StartCell, true);
    }
    // The restoring draws must leave no trace, or later presses would read changed pixels.
    if (y % RowPitch == RowPitch - 1) {
      ASSERT_EQ(Snapshot(canvas), startPixels) << "after row " << y;
    }
  }
  std::printf("every pixel: %lld accepted, %lld refused\n", accepted, refused);
  EXPECT_EQ(accepted + refused, BoardWidth * BoardHeight);
}

}  // namespace
}  // namespace morlune
