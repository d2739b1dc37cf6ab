#include "morlune/GameController.h"

#include <gtest/gtest.h>

#include "PixelModelView.h"
#include "ScriptedClock.h"
#include "morlune/BoardGeometry.h"
#include "morlune/GameTexts.h"

namespace morlune {
namespace {

using testing::DrawCall;
using testing::Message;
using testing::PixelModelView;
using testing::ScriptedClock;
using testing::ShownImage;

const Message Escaped{"猫逃跑了！", "游戏结束"};

Message Surrounded(const char* steps) {
  return {std::string("猫被围住了！一共用了") + steps + "步。", "游戏结束"};
}

PixelPoint CentreOf(CellIndex cell) {
  const PixelPoint origin = CellOrigin(cell);
  return {origin.x + CellImageSize / 2, origin.y + CellImageSize / 2};
}

class GameControllerTest : public ::testing::Test {
 protected:
  void StartWithCrosses(const std::vector<CellIndex>& crosses) {
    clock_.ScriptRolls(crosses);
    game_.StartNewGame(view_);
  }

  void PressCell(CellIndex cell) {
    const PixelPoint centre = CentreOf(cell);
    game_.HandleBoardPress(view_, centre.x, centre.y);
  }

  // What the surface shows must always be what the board holds.
  void ExpectSurfaceMatchesBoard() {
    for (CellIndex cell = 1; cell <= CellCount; ++cell) {
      const CellImage expected = cell == game_.CatCell()             ? CatImage
                                 : game_.Cells()[cell] == PresetWall ? CrossImage
                                 : game_.Cells()[cell] == PlayerWall ? FenceImage
                                                                     : EmptyCellImage;
      ASSERT_EQ(ShownImage(view_.Surface(), cell), expected) << "cell " << cell;
    }
  }

  ScriptedClock clock_;
  GameController game_{clock_};
  PixelModelView view_;
};

const std::vector<CellIndex> FarCrosses = {112, 113, 114, 115, 116, 117, 118, 119, 120};

TEST_F(GameControllerTest, NewGameDrawsEveryDiscRowByRowThenTheCatThenTheCrosses) {
  // Draws that hit the cat or a taken cell are thrown away and do not count.
  StartWithCrosses({61, 7, 7, 30, 61, 99, 1, 121, 45, 88, 100, 5});

  std::vector<DrawCall> expected;
  for (CellIndex cell = 1; cell <= CellCount; ++cell)
    expected.push_back({EmptyCellImage, cell, true});
  expected.push_back({CatImage, 61, true});
  for (CellIndex cell : {7, 30, 99, 1, 121, 45, 88, 100, 5})
    expected.push_back({CrossImage, cell, true});
  EXPECT_EQ(view_.Draws(), expected);
  EXPECT_TRUE(view_.Messages().empty());

  EXPECT_EQ(game_.State(), GameState::Playing);
  EXPECT_EQ(game_.CatCell(), StartCell);
  EXPECT_EQ(std::count(game_.Cells().begin(), game_.Cells().end(), PresetWall), 9);
  EXPECT_EQ(game_.PlayerStepCount(), 0);
  EXPECT_NE(view_.ColorAt(284, 220), BackgroundGray);
  EXPECT_EQ(view_.ColorAt(44, 20), BackgroundGray);
  ExpectSurfaceMatchesBoard();
}

TEST_F(GameControllerTest, BeforeTheFirstGameEveryPressIsIgnoredAndTheBoardIsGrey) {
  for (const PixelPoint point : {CentreOf(1), CentreOf(61), PixelPoint{543, 439}}) {
    game_.HandleBoardPress(view_, point.x, point.y);
  }
  EXPECT_TRUE(view_.Calls().empty());
  EXPECT_EQ(game_.State(), GameState::Idle);
  EXPECT_EQ(view_.ColorAt(284, 220), BackgroundGray);
}

TEST_F(GameControllerTest, PressesOffOpenDiscsChangeNothing) {
  StartWithCrosses(FarCrosses);
  PressCell(1);  // a fence to press on again
  ASSERT_EQ(game_.Cells()[1], PlayerWall);
  const CellIndex cat = game_.CatCell();
  const PixelPoint catCentre = CentreOf(cat);
  const PixelPoint crossCentre = CentreOf(112);
  const PixelPoint fenceCentre = CentreOf(1);
  struct Case {
    const char* what;
    PixelPoint point;
  };
  const Case cases[] = {
      {"gap between cells 1 and 2", {44, 20}},
      {"margin before an odd row", {10, 60}},
      {"margin after an even row", {530, 10}},
      {"last pixel of the board, beside an odd row", {2, 439}},
      {"corner of an open disc", {CellOrigin(30).x + 1, CellOrigin(30).y + 1}},
      {"the cat", catCentre},
      {"a cross", crossCentre},
      {"a fence", fenceCentre},
      {"left of the board", {-1, 20}},
      {"below the board", {20, 440}},
      {"far off the board", {100000, -100000}},
  };
  const Board board = game_.Cells();
  view_.ForgetCalls();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    game_.HandleBoardPress(view_, c.point.x, c.point.y);
    EXPECT_TRUE(view_.Calls().empty());
    EXPECT_EQ(game_.Cells(), board);
    EXPECT_EQ(game_.CatCell(), cat);
  }
}

TEST_F(GameControllerTest, APressFencesTheCellUnkeyedAndTheCatStepsAlongItsRoute) {
  StartWithCrosses(FarCrosses);
  view_.ForgetCalls();
  PressCell(111);
  const std::vector<DrawCall> expected = {
      {FenceImage, 111, false}, {EmptyCellImage, 61, true}, {CatImage, 50, true}};
  EXPECT_EQ(view_.Draws(), expected);
  EXPECT_TRUE(view_.Messages().empty());
  EXPECT_EQ(game_.Cells()[111], PlayerWall);
  EXPECT_EQ(game_.CatCell(), 50);
  EXPECT_EQ(game_.Route().front(), 50);
  EXPECT_EQ(game_.State(), GameState::Playing);
  ExpectSurfaceMatchesBoard();
}

// A press anywhere on an open disc counts, not only its centre.
TEST_F(GameControllerTest, APressOnTheEdgeOfADiscWallsThatDisc) {
  StartWithCrosses(FarCrosses);
  const PixelPoint origin = CellOrigin(12);
  game_.HandleBoardPress(view_, origin.x + 39, origin.y + 20);
  EXPECT_EQ(game_.Cells()[12], PlayerWall);
}

TEST_F(GameControllerTest, CatWalksToTheRimAndEscapesAfterItIsDrawnThere) {
  StartWithCrosses(FarCrosses);
  const std::vector<CellIndex> presses = {111, 121, 110, 100, 99};
  const std::vector<CellIndex> catPath = {50, 38, 27, 15, 4};
  for (std::size_t turn = 0; turn < presses.size(); ++turn) {
    view_.ForgetCalls();
    const CellIndex from = game_.CatCell();
    PressCell(presses[turn]);
    ASSERT_EQ(game_.CatCell(), catPath[turn]) << "turn " << turn;
    const std::vector<DrawCall> draws = {{FenceImage, presses[turn], false},
                                         {EmptyCellImage, from, true},
                                         {CatImage, catPath[turn], true}};
    ASSERT_EQ(view_.Draws(), draws);
    ExpectSurfaceMatchesBoard();
  }
  // The cat is shown on the rim before the message, and the message is the last call.
  ASSERT_EQ(view_.Calls().size(), 4u);
  EXPECT_EQ(view_.Calls()[2].draw, (DrawCall{CatImage, 4, true}));
  EXPECT_EQ(view_.Messages(), std::vector<Message>{Escaped});
  EXPECT_EQ(game_.State(), GameState::Over);

  view_.ForgetCalls();
  PressCell(60);
  EXPECT_TRUE(view_.Calls().empty());
  EXPECT_EQ(game_.Cells()[60], OpenCell);
}

TEST_F(GameControllerTest, WallingTheLastWayOutWinsWithTheStepCount) {
  // Crosses leave 61 one way out, through 73, and 73 one way on, through 84.
  StartWithCrosses({50, 51, 60, 62, 72, 74, 83, 1, 121});
  PressCell(2);
  ASSERT_EQ(game_.CatCell(), 73);
  view_.ForgetCalls();
  PressCell(84);
  ASSERT_EQ(view_.Calls().size(), 2u);
  EXPECT_EQ(view_.Calls()[0].draw, (DrawCall{FenceImage, 84, false}));
  EXPECT_EQ(view_.Messages(), std::vector<Message>{Surrounded("2")});
  EXPECT_EQ(game_.CatCell(), 73);
  EXPECT_EQ(game_.State(), GameState::Over);
}

TEST_F(GameControllerTest, CrossesAroundTheStartWinOnTheFirstPressWhereverItLands) {
  StartWithCrosses({50, 51, 60, 62, 72, 73, 1, 2, 3});
  view_.ForgetCalls();
  PressCell(121);
  EXPECT_EQ(view_.Draws(), (std::vector<DrawCall>{{FenceImage, 121, false}}));
  EXPECT_EQ(view_.Messages(), std::vector<Message>{Surrounded("1")});
  EXPECT_EQ(game_.CatCell(), StartCell);
  EXPECT_EQ(game_.State(), GameState::Over);
}

// A cat that did not move keeps one open neighbour; walling it ends the game at once.
TEST_F(GameControllerTest, WallingTheCatsLastOpenNeighbourShowsOneMessage) {
  StartWithCrosses({50, 51, 60, 62, 72, 1, 2, 3, 4});
  view_.ForgetCalls();
  PressCell(73);
  EXPECT_EQ(view_.Messages(), std::vector<Message>{Surrounded("1")});
  EXPECT_EQ(view_.Calls().size(), 2u);
  EXPECT_EQ(game_.CatCell(), StartCell);
}

TEST_F(GameControllerTest, NewGameInTheMiddleReplacesTheBoardAndForgetsTheFences) {
  StartWithCrosses(FarCrosses);
  PressCell(1);
  PressCell(11);
  ASSERT_EQ(game_.PlayerStepCount(), 2);

  view_.ForgetCalls();
  StartWithCrosses({5, 6, 7, 8, 9, 10, 12, 13, 14});
  EXPECT_EQ(view_.Draws().size(), 121u + 1u + 9u);
  EXPECT_EQ(game_.CatCell(), StartCell);
  EXPECT_EQ(game_.PlayerStepCount(), 0);
  EXPECT_EQ(game_.Cells()[112], OpenCell);
  EXPECT_EQ(game_.State(), GameState::Playing);
  ExpectSurfaceMatchesBoard();

  // And a game that is over can be followed by a new one.
  StartWithCrosses({50, 51, 60, 62, 72, 73, 1, 2, 3});
  PressCell(121);
  ASSERT_EQ(game_.State(), GameState::Over);
  StartWithCrosses(FarCrosses);
  EXPECT_EQ(game_.State(), GameState::Playing);
  PressCell(111);
  EXPECT_EQ(game_.CatCell(), 50);
}

TEST(GameTexts, SurroundedMessageWritesTheCountInPlainDigits) {
  EXPECT_EQ(CatSurroundedText(0), "猫被围住了！一共用了0步。");
  EXPECT_EQ(CatSurroundedText(112), "猫被围住了！一共用了112步。");
}

}  // namespace
}  // namespace morlune
