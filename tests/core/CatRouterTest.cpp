#include "morlune/CatRouter.h"

#include <gtest/gtest.h>

#include <random>

#include "BoardSketch.h"
#include "ReferenceDistances.h"
#include "morlune/BoardGeometry.h"

namespace morlune {
namespace {

using testing::ParseBoard;
using testing::ReferenceDistances;
using testing::WalledBoard;

struct Plan {
  RouteOutcome outcome;
  DistanceMap distances;
  CatRoute route;
  PlanningEffort effort;
};

Plan PlanFor(const Board& board, CellIndex cat) {
  Plan plan{};
  plan.route = {7, 7, 7};  // stale contents must not survive a run
  plan.distances.fill(-5);
  plan.outcome = PlanRoute(board, cat, plan.distances, plan.route, &plan.effort);
  return plan;
}

TEST(CatRouter, OpenBoardAimsAtTheFirstNearestRimCellInScanOrder) {
  const Plan plan = PlanFor(Board{}, StartCell);
  EXPECT_EQ(plan.outcome, RouteOutcome::RouteReady);
  EXPECT_EQ(plan.route, (CatRoute{61, 50, 38, 27, 15, 4}));
  EXPECT_EQ(plan.distances[1], 8);
  EXPECT_EQ(plan.distances[2], 7);
  EXPECT_EQ(plan.distances[3], 6);
  EXPECT_EQ(plan.distances[4], 5);
}

// A rim cell one step away is never the target, but the cat may walk onto one on its way.
TEST(CatRouter, RimCellsNextToTheCatAreNotTargets) {
  const Plan plan = PlanFor(Board{}, 17);
  EXPECT_EQ(plan.outcome, RouteOutcome::RouteReady);
  EXPECT_EQ(plan.distances[6], 1);
  EXPECT_EQ(plan.distances[7], 1);
  EXPECT_EQ(plan.route, (CatRoute{17, 6, 5}));
}

TEST(CatRouter, CatWithAllSixNeighboursWalledIsEnclosed) {
  const Plan plan = PlanFor(WalledBoard({50, 51, 60, 62, 72, 73}), StartCell);
  EXPECT_EQ(plan.outcome, RouteOutcome::Enclosed);
  EXPECT_EQ(plan.route, (CatRoute{1}));
  DistanceMap expected;
  expected.fill(Unreached);
  expected[StartCell] = 0;
  for (CellIndex wall : {50, 51, 60, 62, 72, 73})
    expected[wall] = WallSeen;
  for (CellIndex cell = 1; cell <= CellCount; ++cell) {
    EXPECT_EQ(plan.distances[cell], expected[cell]) << "cell " << cell;
  }
}

// The cat's only reachable rim cells are its own neighbours: that counts as caught.
TEST(CatRouter, CatWhoseReachableRimCellsAreAllNeighboursIsEnclosed) {
  struct Case {
    const char* name;
    Board board;
    CellIndex cat;
  };
  const Case cases[] = {
      {"cat on 17 with only 6 and 7 reachable", WalledBoard({5, 8, 16, 18, 28, 29}), 17},
      {"cat on 13 beside the open rim cell 2", WalledBoard({1, 3, 12, 14, 24, 25}), 13},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Plan plan = PlanFor(c.board, c.cat);
    EXPECT_EQ(plan.outcome, RouteOutcome::Enclosed);
    EXPECT_EQ(plan.route.size(), 1u);
    EXPECT_EQ(plan.distances[plan.route[0]], Unreached) << "target " << plan.route[0];
  }
  const Plan on17 = PlanFor(WalledBoard({5, 8, 16, 18, 28, 29}), 17);
  EXPECT_EQ(on17.distances[5], WallSeen);
  EXPECT_EQ(on17.distances[1], Unreached);
  EXPECT_EQ(on17.route, (CatRoute{1}));
}

TEST(CatRouter, CatCutOffInARegionOfSeveralCellsIsEnclosed) {
  const auto sketch = ParseBoard({
      ". . . . . . . . . . .",
      " . . . . . . . . . . .",
      ". . . . . . . . . . .",
      " . . . . X X X . . . .",
      ". . . . X . . X . . .",
      " . . . X . C . X . . .",
      ". . . . X . . X . . .",
      " . . . . X X X . . . .",
      ". . . . . . . . . . .",
      " . . . . . . . . . . .",
      ". . . . . . . . . . .",
  });
  const Plan plan = PlanFor(sketch.board, sketch.cat);
  EXPECT_EQ(plan.outcome, RouteOutcome::Enclosed);
  EXPECT_EQ(plan.route, (CatRoute{1}));
  EXPECT_EQ(plan.distances, ReferenceDistances(sketch.board, sketch.cat));
}

// Walls bordering the cat's region read -1; walls beyond it, and open cells it cannot reach,
// keep 99.
TEST(CatRouter, OnlyWallsTouchingTheCatsRegionAreMarkedSeen) {
  const auto sketch = ParseBoard({
      ". . . . . . . . . . .",
      " . . . . . . . . . . .",
      ". . . . . . . . . . .",
      " . . . . # # # . . . .",
      ". . . . # . . # . . .",
      " . . . # . C . # . X .",
      ". . . . # . . # . . .",
      " . . . . # # # . . . .",
      ". . . . . . . . . . .",
      " . . . . . . . . . . .",
      ". . . . . . . . . . #",
  });
  const Plan plan = PlanFor(sketch.board, sketch.cat);
  EXPECT_EQ(plan.distances[CellOf(3, 4)], WallSeen);
  EXPECT_EQ(plan.distances[CellOf(5, 3)], WallSeen);
  EXPECT_EQ(plan.distances[CellOf(5, 9)], Unreached);
  EXPECT_EQ(plan.distances[121], Unreached);
  EXPECT_EQ(plan.distances[CellOf(0, 0)], Unreached);
}

// The sizing of the depth-first relaxation is a property of its exact visiting order.
TEST(CatRouter, RelaxationOnAnOpenBoardDoesTheKnownAmountOfWork) {
  const Plan from61 = PlanFor(Board{}, 61);
  EXPECT_EQ(from61.effort.relaxCalls, 2373);
  EXPECT_EQ(from61.effort.deepestRelax, 56);
  const Plan from68 = PlanFor(Board{}, 68);
  EXPECT_EQ(from68.effort.relaxCalls, 2706);
  EXPECT_EQ(from68.effort.deepestRelax, 65);
}

// On random boards the depth-first relaxation must agree with a breadth-first search, and
// the route must be a shortest walk of neighbours to the rule's target.
TEST(CatRouter, AgreesWithBreadthFirstSearchOnRandomBoards) {
  std::mt19937 random(20261211);
  for (int round = 0; round < 3000; ++round) {
    Board board{};
    const int wallCount = static_cast<int>(random() % 60);
    for (int i = 0; i < wallCount; ++i)
      board[1 + random() % CellCount] = PlayerWall;
    const CellIndex cat = 1 + static_cast<CellIndex>(random() % CellCount);
    board[cat] = OpenCell;

    const Plan plan = PlanFor(board, cat);
    const DistanceMap expected = ReferenceDistances(board, cat);
    ASSERT_EQ(plan.distances, expected) << "round " << round;

    CellIndex target = NoCell;
    for (const CellIndex rim : EdgeScanOrder) {
      if (expected[rim] > 1 && (target == NoCell || expected[rim] < expected[target])) target = rim;
    }
    if (target == NoCell) {
      ASSERT_EQ(plan.outcome, RouteOutcome::NoTarget) << "round " << round;
      ASSERT_TRUE(plan.route.empty());
    } else if (expected[target] == 99) {
      ASSERT_EQ(plan.outcome, RouteOutcome::Enclosed) << "round " << round;
      ASSERT_EQ(plan.route, (CatRoute{target}));
    } else {
      ASSERT_EQ(plan.outcome, RouteOutcome::RouteReady) << "round " << round;
      ASSERT_EQ(plan.route.size(), static_cast<std::size_t>(expected[target] + 1));
      ASSERT_EQ(plan.route.front(), cat);
      ASSERT_EQ(plan.route.back(), target);
      for (std::size_t step = 1; step < plan.route.size(); ++step) {
        const NeighborSlots slots = NeighborsOf(plan.route[step - 1]);
        ASSERT_NE(std::find(slots.begin(), slots.end(), plan.route[step]), slots.end());
        ASSERT_EQ(expected[plan.route[step]], static_cast<int>(step));
      }
    }
  }
}

}  // namespace
}  // namespace morlune
