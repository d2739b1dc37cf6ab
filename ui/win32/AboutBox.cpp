#include "AboutBox.h"

#include <windows.h>

#include <shellapi.h>

#include "WideText.h"
#include "morlune/GameTexts.h"

namespace morlune {

void ShowAbout() {
  ShellAboutW(nullptr, ToWide(AboutApplicationName).c_str(), ToWide(AboutCreditLine).c_str(),
              nullptr);
}

}  // namespace morlune
