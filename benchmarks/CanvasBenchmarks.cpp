// The same player-facing work as the core benchmarks, on the real Qt canvas (offscreen):
// the controller drawing through it and the canvas presenting what changed.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "BoardCanvas.h"
#include "CellPictureLoader.h"
#include "ScriptedClock.h"
#include "morlune/BoardGeometry.h"
#include "morlune/GameController.h"

namespace morlune {
namespace {

void StartNewGameOnCanvas(benchmark::State& state) {
  testing::ScriptedClock clock;
  GameController game(clock);
  BoardCanvas canvas(LoadCellPictures());
  canvas.show();
  for (auto _ : state) {
    game.StartNewGame(canvas);
    QCoreApplication::processEvents();  // present the new board
  }
}
BENCHMARK(StartNewGameOnCanvas);

// One accepted press, from HandleBoardPress to the repainted canvas.
void PlayerTurnOnCanvas(benchmark::State& state) {
  testing::ScriptedClock clock;
  GameController game(clock);
  BoardCanvas canvas(LoadCellPictures());
  canvas.show();
  const PixelPoint origin = CellOrigin(111);
  for (auto _ : state) {
    state.PauseTiming();
    game.StartNewGame(canvas);
    QCoreApplication::processEvents();
    state.ResumeTiming();
    game.HandleBoardPress(canvas, origin.x + 20, origin.y + 20);
    QCoreApplication::processEvents();
  }
}
BENCHMARK(PlayerTurnOnCanvas);

}  // namespace
}  // namespace morlune

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
