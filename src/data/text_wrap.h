// Breaking a long text into lines for the windows that show descriptions.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qv {

// Breaks TEXT into lines of at most `width` bytes by inserting CR LF after
// the last blank, hyphen or tab that keeps the line within `width`. A word
// longer than `width` stays whole: its line is broken after the next break
// byte instead. A line break already in the text (CR, LF) starts a new line.
// Nothing is inserted at the very end, so no empty last line appears.
std::string WrapText(std::string_view text, std::size_t width);

}  // namespace qv
