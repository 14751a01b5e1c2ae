// The fight window's script lines in the desktop window (`--gui`): `attack
// N`, `items`, `spells`, `use N`, `cast N` and `close` become the mouse
// input a person would give at the labels' real positions, turning the
// wheel first when a label is scrolled out of its area.
#pragma once

#include "desktop/layer.h"
#include "script/script_reader.h"

namespace qv {

class DesktopHost;

// Queues the input for `line` on the fight window `top` and returns true
// (the loop takes over). Throws ScriptError when the line does not fit the
// window or its label is not there.
bool ApplyFightLine(DesktopHost& host, const Layer& top, const ScriptLine& line);

}  // namespace qv
