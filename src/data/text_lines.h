// Splitting a gamebook text file into lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qv {

// Lines end at CR LF or at LF; the line ends are not kept. A lone CR is an
// ordinary byte of its line. A last line without a line end still counts, so
// "a\nb" gives two lines and "a\n" one; an empty text gives none.
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace qv
