// The fight window's actions in the desktop window (`--gui`): `attack N`,
// `items`, `spells`, `use N`, `cast N` and `close` become the mouse
// input a person would give at the labels' real positions, turning the
// wheel first when a label is scrolled out of its area.
#pragma once

#include "desktop/layer.h"
#include "script/script_action.h"

namespace qv {

class DesktopHost;

// Queues the input for `action`, parsed for the fight window `top` shows.
// Throws ScriptError when its label or button is not there.
void ApplyFightAction(DesktopHost& host, const Layer& top, const ScriptAction& action);

}  // namespace qv
