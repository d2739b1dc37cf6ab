// Whole games of random presses anywhere on the surface, with new games started at random,
// checked after every step against rules restated independently of the controller.
//
// MORLUNE_SOAK_GAMES sets how many games to play (default 1000, a few seconds).
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

#include "PixelModelView.h"
#include "ReferenceDistances.h"
#include "morlune/BoardGeometry.h"
#include "morlune/GameController.h"
#include "morlune/GameTexts.h"

namespace morlune {
namespace {

using testing::PixelModelView;
using testing::ReferenceDistances;
using testing::ShownImage;

class RandomClock final : public MillisecondClock {
 public:
  explicit RandomClock(std::mt19937& random) : random_(random) {}
  std::uint32_t NowMilliseconds() override { return static_cast<std::uint32_t>(random_()); }

 private:
  std::mt19937& random_;
};

int GamesToPlay() {
  const char* configured = std::getenv("MORLUNE_SOAK_GAMES");
  return configured != nullptr ? std::atoi(configured) : 1000;
}

bool AreNeighbours(CellIndex from, CellIndex to) {
  const NeighborSlots slots = NeighborsOf(from);
  return std::find(slots.begin(), slots.end(), to) != slots.end();
}

int CountCodes(const Board& board, CellCode code) {
  return static_cast<int>(std::count(board.begin() + 1, board.end(), code));
}

struct SoakFigures {
  long long games = 0;
  long long presses = 0;
  long long accepted = 0;
  long long escapes = 0;
  long long wins = 0;
  long long abandoned = 0;
};

class Soak {
 public:
  explicit Soak(std::uint32_t seed) : random_(seed), clock_(random_), game_(clock_) {}

  void Run(int games) {
    // Presses before the first game must all be refused.
    for (int i = 0; i < 50; ++i)
      PressSomewhere();
    ASSERT_TRUE(view_.Calls().empty());
    while (figures_.games < games) {
      StartGame();
      if (::testing::Test::HasFatalFailure()) return;
      PlayUntilOverOrAbandoned();
      if (::testing::Test::HasFatalFailure()) return;
      // Presses after the end are refused too.
      if (game_.State() == GameState::Over) {
        for (int i = 0; i < 5; ++i)
          PressSomewhere();
      }
    }
  }

  const SoakFigures& Figures() const { return figures_; }

 private:
  void StartGame() {
    view_.ForgetCalls();
    game_.StartNewGame(view_);
    ++figures_.games;
    acceptedThisGame_ = 0;
    ASSERT_EQ(game_.State(), GameState::Playing);
    ASSERT_EQ(game_.CatCell(), StartCell);
    ASSERT_EQ(CountCodes(game_.Cells(), PresetWall), PresetWallCount);
    ASSERT_EQ(CountCodes(game_.Cells(), PlayerWall), 0);
    ASSERT_EQ(view_.Draws().size(), 131u);
    ExpectShownBoardMatches();
  }

  void PlayUntilOverOrAbandoned() {
    while (game_.State() == GameState::Playing) {
      if (random_() % 100 == 0) {
        ++figures_.abandoned;
        return;
      }
      PressSomewhere();
      if (::testing::Test::HasFatalFailure()) return;
    }
  }

  void PressSomewhere() {
    // A third of the presses go anywhere, just off the board included; the rest somewhere in
    // the square (corners too) of a cell beside the cat or of its next planned step, so that
    // games are won as well as lost.
    int x = static_cast<int>(random_() % (BoardWidth + 20)) - 10;
    int y = static_cast<int>(random_() % (BoardHeight + 20)) - 10;
    const auto aim = random_() % 3;
    if (game_.State() == GameState::Playing && aim != 0) {
      const CatRoute& route = game_.Route();
      const CellIndex near = aim == 1 || route.size() < 2
                                 ? NeighborsOf(game_.CatCell())[random_() % DirectionCount]
                                 : route[1];
      if (near != NoCell) {
        const PixelPoint origin = CellOrigin(near);
        x = origin.x + static_cast<int>(random_() % CellImageSize);
        y = origin.y + static_cast<int>(random_() % CellImageSize);
      }
    }
    ++figures_.presses;

    const GameState stateBefore = game_.State();
    const Board boardBefore = game_.Cells();
    const CellIndex catBefore = game_.CatCell();
    const CellIndex cell = CellAt(x, y);
    const bool onDisc = view_.ColorAt(x, y) != BackgroundGray;
    const bool shouldAccept = stateBefore == GameState::Playing && onDisc && IsOnBoard(cell) &&
                              cell != catBefore && boardBefore[cell] == OpenCell;
    const std::size_t callsBefore = view_.Calls().size();

    game_.HandleBoardPress(view_, x, y);

    const Board& board = game_.Cells();
    if (!shouldAccept) {
      ASSERT_EQ(board, boardBefore) << "refused press at " << x << "," << y << " changed the board";
      ASSERT_EQ(game_.CatCell(), catBefore);
      ASSERT_EQ(view_.Calls().size(), callsBefore) << "refused press drew or spoke";
      return;
    }

    ++figures_.accepted;
    ++acceptedThisGame_;
    Board expected = boardBefore;
    expected[cell] = PlayerWall;
    ASSERT_EQ(board, expected) << "press at " << x << "," << y << " walled the wrong cell";
    ASSERT_EQ(CountCodes(board, PlayerWall), acceptedThisGame_);
    ASSERT_EQ(CountCodes(board, PresetWall), PresetWallCount);
    ASSERT_EQ(game_.Distances(), ReferenceDistances(board, catBefore));

    const CellIndex cat = game_.CatCell();
    ASSERT_TRUE(IsOnBoard(cat));
    ASSERT_EQ(board[cat], OpenCell) << "cat on a wall";
    ASSERT_TRUE(cat == catBefore || AreNeighbours(catBefore, cat)) << catBefore << " -> " << cat;
    ExpectShownBoardMatches();
    if (::testing::Test::HasFatalFailure()) return;
    CheckEnding(cat);
  }

  void CheckEnding(CellIndex cat) {
    const auto messages = view_.Messages();
    if (game_.State() == GameState::Playing) {
      ASSERT_TRUE(messages.empty()) << "a message while the game goes on";
      ASSERT_FALSE(IsRimCell(cat)) << "the cat stands on the rim and the game goes on";
      return;
    }
    ASSERT_EQ(messages.size(), 1u) << "an ended game shows exactly one message";
    ASSERT_EQ(messages[0].caption, GameOverCaption);
    if (IsRimCell(cat)) {
      ++figures_.escapes;
      ASSERT_EQ(messages[0].text, CatEscapedText);
    } else {
      ++figures_.wins;
      ASSERT_EQ(messages[0].text, CatSurroundedText(acceptedThisGame_));
    }
  }

  void ExpectShownBoardMatches() {
    const Board& board = game_.Cells();
    for (CellIndex cell = 1; cell <= CellCount; ++cell) {
      const CellImage expected = cell == game_.CatCell()     ? CatImage
                                 : board[cell] == PresetWall ? CrossImage
                                 : board[cell] == PlayerWall ? FenceImage
                                                             : EmptyCellImage;
      ASSERT_EQ(ShownImage(view_.Surface(), cell), expected) << "cell " << cell;
    }
  }

  std::mt19937 random_;
  RandomClock clock_;
  GameController game_;
  PixelModelView view_;
  SoakFigures figures_;
  int acceptedThisGame_ = 0;
};

TEST(RandomPlaySoak, EveryStepOfEveryGameKeepsTheRules) {
  Soak soak(20261211);
  soak.Run(GamesToPlay());
  const SoakFigures& figures = soak.Figures();
  std::printf(
      "soak: %lld games (%lld escaped, %lld won, %lld abandoned), %lld presses, %lld accepted\n",
      figures.games, figures.escapes, figures.wins, figures.abandoned, figures.presses,
      figures.accepted);
  // Random pressing must reach both endings, or the checks above were never exercised.
  EXPECT_GT(figures.escapes, 0);
  EXPECT_GT(figures.wins, 0);
}

}  // namespace
}  // namespace morlune
