// The Windows UI tests' entry: COM for the picture decoder, the standard controls for the
// message boxes, and a watchdog so that no test can hang.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <objbase.h>

#include <chrono>

#include "Watchdog.h"

int main(int argc, char** argv) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  ::testing::InitGoogleTest(&argc, argv);
  int result = 0;
  {
    const morlune::testing::Watchdog watchdog(std::chrono::seconds(240));
    result = RUN_ALL_TESTS();
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return result;
}
