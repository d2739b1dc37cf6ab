// The program's entry: the controller is created before the window that shows its game and
// released after that window is gone.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include <memory>

#include "MainWindow.h"
#include "morlune/GameController.h"
#include "morlune/MillisecondClock.h"

namespace {

void RunEventLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  // The picture decoder is a COM component.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);

  {
    morlune::SteadyMillisecondClock clock;
    auto controller = std::make_unique<morlune::GameController>(clock);

    auto window = std::make_unique<morlune::MainWindow>(instance, *controller);
    window->FitClientToBoard();
    // The first ShowWindow honours how the program was started (normally SW_SHOWNORMAL).
    ShowWindow(window->Handle(), showCommand);
    UpdateWindow(window->Handle());
    // Closing the window is the only way out, and it always ends the run cleanly.
    RunEventLoop();

    window.reset();
    controller.reset();
  }

  if (SUCCEEDED(com)) CoUninitialize();
  return 0;
}
