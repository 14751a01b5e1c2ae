// `quarvelin script --gui` lines for the character sheet, the inventory, the
// shop and the selling window: each becomes the mouse input a person would
// give at the control's real position. An entry scrolled out of its list is
// first brought into sight with the wheel over the list.
#pragma once

#include <string_view>

#include "desktop/layer.h"
#include "script/script_reader.h"

namespace qv {

class DesktopHost;

// The windows these lines drive: "sheet", "inventory", "shop", "sell".
bool IsPossessionWindow(std::string_view kind);

// Queues the input for `line` on the window `top` shows and returns true
// (the loop takes over); throws ScriptError when the line does not fit it,
// with the texts of the headless run.
bool ApplyPossessionLine(DesktopHost& host, const ScriptLine& line, const Layer& top);

}  // namespace qv
