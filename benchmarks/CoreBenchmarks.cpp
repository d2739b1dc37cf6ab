// How long the core takes for the things a player waits on: planning the cat's route, a whole
// turn, and setting up a new game, on the board's real pixel surface.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "PixelModelView.h"
#include "ScriptedClock.h"
#include "morlune/BoardGeometry.h"
#include "morlune/CatRouter.h"
#include "morlune/GameController.h"

namespace morlune {
namespace {

void PlanRouteOnEmptyBoard(benchmark::State& state) {
  const Board board{};
  const auto cat = static_cast<CellIndex>(state.range(0));
  DistanceMap distances{};
  CatRoute route;
  for (auto _ : state) {
    benchmark::DoNotOptimize(PlanRoute(board, cat, distances, route));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(PlanRouteOnEmptyBoard)->Arg(61)->Arg(68);

struct Position {
  Board board;
  CellIndex cat;
};

// Boards as a game leaves them after a few turns: nine crosses, up to twenty fences, the cat
// somewhere inside.
std::vector<Position> MidGamePositions() {
  std::mt19937 random(7);
  std::vector<Position> positions;
  while (positions.size() < 256) {
    Position position{
        Board{}, CellOf(1 + static_cast<int>(random() % 9), 1 + static_cast<int>(random() % 9))};
    const int walls = 9 + static_cast<int>(random() % 21);
    for (int i = 0; i < walls; ++i) {
      const auto cell = 1 + static_cast<CellIndex>(random() % CellCount);
      if (cell != position.cat) position.board[cell] = i < 9 ? PresetWall : PlayerWall;
    }
    positions.push_back(position);
  }
  return positions;
}

void PlanRouteMidGame(benchmark::State& state) {
  const std::vector<Position> positions = MidGamePositions();
  DistanceMap distances{};
  CatRoute route;
  std::size_t next = 0;
  for (auto _ : state) {
    const Position& position = positions[next++ % positions.size()];
    benchmark::DoNotOptimize(PlanRoute(position.board, position.cat, distances, route));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(PlanRouteMidGame);

void StartNewGameOnSurface(benchmark::State& state) {
  testing::ScriptedClock clock;
  GameController game(clock);
  testing::PixelModelView view;
  for (auto _ : state) {
    game.StartNewGame(view);
    view.ForgetCalls();
    benchmark::ClobberMemory();
  }
}
BENCHMARK(StartNewGameOnSurface);

// One accepted press: fence, planning, the cat's step and its redraw.
void PlayerTurnOnSurface(benchmark::State& state) {
  testing::ScriptedClock clock;
  GameController game(clock);
  testing::PixelModelView view;
  const PixelPoint origin = CellOrigin(111);
  for (auto _ : state) {
    state.PauseTiming();
    game.StartNewGame(view);
    view.ForgetCalls();
    state.ResumeTiming();
    game.HandleBoardPress(view, origin.x + 20, origin.y + 20);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(PlayerTurnOnSurface);

}  // namespace
}  // namespace morlune

BENCHMARK_MAIN();
