// Named constants of a gamebook: the lines of the file "konstanty" and their
// replacement in location and library text.
//
// A line reads NAME VALUE: NAME runs up to the first space, spaces follow,
// and VALUE runs up to the first ";" (the rest of the line is a comment).
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "data/named_text.h"

namespace qv {

// The constant of one line, or none. The line is read with a ";" appended;
// lines shorter than 4 bytes that way are skipped, and so are lines with no
// space or with nothing before the first space: an empty name would match
// between every two bytes of the text.
std::optional<TMyPlugin> ParseConstantLine(std::string_view line);

// The constants of a whole file, in file order.
std::vector<TMyPlugin> ParseConstants(std::string_view file_text);

// Replaces, for each constant in list order, every occurrence of its name
// (case-sensitive) by its value. A later constant also replaces text that an
// earlier one produced. The result equals that of one full replacement pass
// per constant; a constant that cannot occur costs no pass over large texts.
std::string ApplyConstantList(std::string text, std::span<const TMyPlugin> constants);

}  // namespace qv
