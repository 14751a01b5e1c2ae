// The window drivers a scripted run starts with: one for every modal window
// of the game (answer prompt, picture pop-up, fight, character sheet,
// inventory, shop, selling, save and settings). The terminal player reuses
// them, so a window's commands are interpreted in one place.
#pragma once

#include "script/dump.h"

namespace qv {

WindowDrivers DefaultWindowDrivers();

}  // namespace qv
