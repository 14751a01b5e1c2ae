// The game's own windows in the terminal player: each is read out as lines
// of text after every typed line, and the typed line is carried out through
// the window's script driver, so the terminal follows the same rules as a
// scripted run. Numbers the player types count the shown rows from 1.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "host/host.h"
#include "host/window.h"
#include "script/dump.h"
#include "script/script_reader.h"
#include "text/text_input.h"

namespace qv {

// True for the windows played by RunTextWindow.
bool IsTextWindow(const ModalWindow& window);

// Prints what the window shows and the commands it takes.
void PrintTextWindow(const ModalWindow& window, std::ostream& out);

// The driver command a typed line stands for in `window`; nullopt (with an
// explanation printed) when the line means nothing there.
std::optional<ScriptLine> TranslateWindowLine(const ModalWindow& window, const std::string& line,
                                              std::ostream& out);

// Plays `window` until it closes, the program ends or the input does (which
// ends the program).
void RunTextWindow(ModalWindow& window, Host& host, TextInput& input, std::ostream& out,
                   const WindowDrivers& drivers);

}  // namespace qv
