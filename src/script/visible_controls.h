// Texts of a gamebook written to a terminal. A control character in them
// would act on the terminal instead of being read (set its title, write the
// clipboard, reset it, ring the bell, move the cursor), so each is shown as a
// visible stand-in:
//   - U+0000..U+001F as its control picture U+2400..U+241F (ESC is "␛"),
//   - U+007F as "␡" (U+2421),
//   - U+0080..U+009F (C1) as "␛" and the seven-bit form the terminal would
//     read it as: U+009B (CSI) is "␛[", U+009D (OSC) is "␛]",
//   - a byte that is no part of well-formed UTF-8 as U+FFFD, since a
//     terminal set to eight bits reads a lone 0x9B as CSI.
#pragma once

#include <string>
#include <string_view>

namespace qv {

enum class LineLayout {
  Keep,  // line feeds and tabs stay: the text is shown over several lines
  Show,  // they are shown too: the text must stay on one line
};

// `utf8` with every control character replaced by its stand-in.
std::string VisibleControls(std::string_view utf8, LineLayout layout);

// A Windows-1250 text of the game as the terminal shows it: the engine's
// line breaks as line feeds (ShownText), controls made visible.
std::string TerminalText(std::string_view cp1250);

}  // namespace qv
