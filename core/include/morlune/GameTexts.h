// Every text the player reads, in UTF-8; front ends convert to their platform's strings.
#pragma once

#include <string>
#include <string_view>

namespace morlune {

inline constexpr std::string_view GameOverCaption = "游戏结束";
inline constexpr std::string_view CatEscapedText = "猫逃跑了！";

inline std::string CatSurroundedText(int stepCount) {
  return "猫被围住了！一共用了" + std::to_string(stepCount) + "步。";
}

inline constexpr std::string_view WindowCaption = "Morlune";
inline constexpr std::string_view GameMenuText = "游戏(&F)";
inline constexpr std::string_view StartGameItemText = "开始游戏(&S)";
inline constexpr std::string_view HelpMenuText = "帮助(&H)";
inline constexpr std::string_view AboutItemText = "关于(&A)";
inline constexpr std::string_view AboutApplicationName = "Morlune游戏";
inline constexpr std::string_view AboutCreditLine = "由 Velko 制作";

}  // namespace morlune
