// The game's own windows in the terminal player: each is read out as lines
// of text after every typed line; the typed line becomes the script action
// it stands for (script_action.h) and is carried out by the window's script
// driver, so the terminal follows the same rules and messages as a scripted
// run. Numbers the player types count the shown rows from 1.
#pragma once

#include <ostream>

#include "host/host.h"
#include "host/window.h"
#include "script/dump.h"
#include "text/text_input.h"

namespace qv {

// True for the windows played by RunTextWindow: the fight, shop, sale,
// character sheet, inventory, save and settings windows.
bool IsTextWindow(const ModalWindow& window);

// Plays `window` until it closes, the program ends or the input does (which
// ends the program).
void RunTextWindow(ModalWindow& window, Host& host, TextInput& input, std::ostream& out,
                   const WindowDrivers& drivers);

}  // namespace qv
