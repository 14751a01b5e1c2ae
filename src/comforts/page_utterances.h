// What reading aloud says for a page, as separate utterances in the order a
// reader meets them: the column's texts and described pictures from the top,
// then the options numbered as the player chooses them, then the page's
// messages, oldest first. Texts stay Windows-1250; the engine's own line
// breaks become blanks, as a voice should not pause inside a sentence.
#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "interpreter/game_window.h"

namespace qv {

// One text as a single line: every run of line breaks, tabs and blanks
// becomes one blank, and none is left at either end.
std::string SpokenLine(std::string_view text);

// The texts of the column, text blocks and described pictures, top first
// (pictures without a description are not read).
std::vector<std::string> ColumnTexts(const GameWindow& window);

std::vector<std::string> PageUtterances(const GameWindow& window,
                                        const std::deque<std::string>& messages);

}  // namespace qv
