// `quarvelin script --gui` actions for the character sheet, the inventory, the
// shop and the selling window: each becomes the mouse input a person would
// give at the control's real position. An entry scrolled out of its list is
// first brought into sight with the wheel over the list.
#pragma once

#include "desktop/layer.h"
#include "script/script_action.h"

namespace qv {

class DesktopHost;

// Queues the input for `action`, parsed for the character sheet, the
// inventory, the shop or the selling window `top` shows. Throws ScriptError
// when the entry or button is not there, with the texts of the headless run.
void ApplyPossessionAction(DesktopHost& host, const Layer& top, const ScriptAction& action);

}  // namespace qv
