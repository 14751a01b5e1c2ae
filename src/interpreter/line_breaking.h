// Breaking text into lines of a fixed number of columns. Blocks of location
// text do not wrap by themselves: the interpreter inserts CR LF pairs into
// TEXT content, and the help text is wrapped paragraph by paragraph.
//
// Both read the text from left to right. A blank, a hyphen or a TAB is a
// break position; text between a double quote and the next double quote, or
// a single quote and the next single quote, is never broken (its blanks are
// no break positions). A line without a break position grows until the next
// one. No break is inserted at the very end of the text.
#pragma once

#include <string>
#include <string_view>

namespace qv {

inline constexpr std::string_view kLineBreak = "\r\n";

// TEXT content: once the current line has grown past `width` characters and
// a break position exists on it, the line ends just after the last break
// position (the blank or hyphen stays at its end) and the blanks, hyphens and
// TABs that follow are dropped.
std::string BreakTextContent(std::string_view text, int width);

// The columns of TEXT content: 43 for bold and 50 for normal text on screens
// up to 640 pixels wide, 66 and 74 on wider ones.
int TextContentColumns(int screen_width, bool bold);

// A help paragraph: no line longer than `width` characters where that is
// possible. A line ends after the last break position that keeps it within
// `width`; a word longer than that stays whole and the line ends after the
// first break position following it. Nothing is dropped.
std::string WrapParagraph(std::string_view text, int width);

}  // namespace qv
