// The menu bar: "游戏(&F)" with "开始游戏(&S)" and "帮助(&H)" with "关于(&A)", nothing else.
#pragma once

#include <windows.h>

namespace morlune {

// The WM_COMMAND identifiers of the two items.
inline constexpr UINT StartGameCommand = 40001;
inline constexpr UINT AboutCommand = 40002;

// A new menu bar; the window it is given to destroys it.
HMENU CreateMainMenu();

}  // namespace morlune
