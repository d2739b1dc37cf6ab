#include "MainMenu.h"

#include "WideText.h"
#include "morlune/GameTexts.h"

namespace morlune {

HMENU CreateMainMenu() {
  HMENU gameMenu = CreatePopupMenu();
  AppendMenuW(gameMenu, MF_STRING, StartGameCommand, ToWide(StartGameItemText).c_str());
  HMENU helpMenu = CreatePopupMenu();
  AppendMenuW(helpMenu, MF_STRING, AboutCommand, ToWide(AboutItemText).c_str());

  HMENU menuBar = CreateMenu();
  AppendMenuW(menuBar, MF_POPUP, reinterpret_cast<UINT_PTR>(gameMenu),
              ToWide(GameMenuText).c_str());
  AppendMenuW(menuBar, MF_POPUP, reinterpret_cast<UINT_PTR>(helpMenu),
              ToWide(HelpMenuText).c_str());
  return menuBar;
}

}  // namespace morlune
