// The game-window skin applied to the game window at the start of a game:
// the fonts of the location text, the menu and its heading, and the two
// switches that may hide "Nápověda" and "Audio". The colours stay with the
// skin values for the views.
#pragma once

#include "interpreter/game_window.h"
#include "ui/skin.h"

namespace qv {

// Run after the audio step, which shows "Audio" when there is a player:
// the skin can only hide it.
void ApplyGameSkin(GameWindow& form, const GameSkin& skin);

}  // namespace qv
