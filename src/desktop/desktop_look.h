// The colours and fonts the desktop windows are drawn in: the gamebook's
// menu skin and game-window skin (their defaults when a gamebook has none:
// maroon on black), and the fixed colours of the windows' own parts.
#pragma once

#include "parser/colour.h"
#include "ui/skin.h"

namespace qv {

inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kGrey = 0x808080;
// The main menu's see-through colour.
inline constexpr Colour kFuchsia = 0xFF00FF;

struct DesktopLook {
  const MenuSkin& Menu;
  const GameSkin& Game;
};

}  // namespace qv
