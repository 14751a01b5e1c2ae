// `quarvelin script --gui`: the play script drives the real desktop windows.
// Each line becomes the mouse and keyboard input a person would give, at the
// controls' real positions (a click on an option, Enter in the menu, typed
// text in a field); `dump` prints the same line as a headless run, and two
// commands exist only here: `screenshot FILE.png` writes the window's frame
// and `wait MS` lets real time pass while the game's timer ticks by itself.
// Outside `wait` lines the timer moves only by `tick` lines, as in a
// headless run, however long the machine takes over the other lines.
#pragma once

#include <istream>
#include <ostream>

#include "script/script_options.h"

namespace qv {

// Changes to the gamebook folder of `options` and plays `script` in the
// desktop window; the exit status of the scripted-play contract.
int RunGuiScript(std::istream& script, std::ostream& out, const ScriptOptions& options);

}  // namespace qv
