// The program's entry: the controller lives longer than the window that shows its game.
#include <QApplication>
#include <memory>

#include "AppIdentity.h"
#include "MainWindow.h"
#include "morlune/GameController.h"
#include "morlune/MillisecondClock.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  morlune::ApplyAppIdentity();

  morlune::SteadyMillisecondClock clock;
  auto controller = std::make_unique<morlune::GameController>(clock);

  auto window = std::make_unique<morlune::MainWindow>(*controller);
  window->FitClientToBoard();
  window->show();
  // Closing the window is the only way out, and it always ends the run cleanly.
  static_cast<void>(application.exec());

  window.reset();
  controller.reset();
  return 0;
}
