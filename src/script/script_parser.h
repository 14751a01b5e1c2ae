// The script language in one place: which commands exist, which window each
// fits, how its arguments are checked, and the message of every line that
// cannot be parsed. A line is parsed once, against the kind of the window on
// top, into a ScriptAction; hosts apply actions and never look at words.
#pragma once

#include <string_view>

#include "possessions/sell_window.h"
#include "script/script_action.h"
#include "script/script_reader.h"
#include "state/character_state.h"

namespace qv {

// Which host reads the lines: only the desktop replay takes `screenshot` and
// `wait`, and each names a window no script can drive in its own words.
enum class ScriptHostKind { Headless, Desktop };

// The action `line` asks of the window on top, named by its kind as the dump
// names it ("menu", "game", "fight", ...). Throws ScriptError with the text
// the run reports (after "line N: ") when the command is unknown, does not
// fit the window, or its arguments are wrong.
ScriptAction ParseAction(const ScriptLine& line, std::string_view window, ScriptHostKind host);

// The script's word for an action ("choose", "use", "close", ...), which
// starts the messages about it.
std::string_view CommandWord(const ScriptAction& action);

// The script's names of the raises ("zivoty" ... "rychlost") and of the
// kinds of goods sold ("weapon", "armour", "item").
std::string_view RaiseWord(RaiseIndex raise);
std::string_view GoodsWord(SaleGoods goods);
std::string_view ButtonWord(action::PageButton button);

}  // namespace qv
