// The columns TEXT content is broken at (data/text_wrap.h, kPageTextWrap):
// blocks of location text do not wrap by themselves, the interpreter breaks
// them for a font size that depends on the screen.
#pragma once

#include <cstddef>

namespace qv {

// 43 for bold and 50 for normal text on screens up to 640 pixels wide, 66
// and 74 on wider ones.
std::size_t TextContentColumns(int screen_width, bool bold);

}  // namespace qv
