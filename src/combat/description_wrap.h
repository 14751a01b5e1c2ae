// Breaking descriptions and condition lines for the fight window (and the
// other windows that describe actions the same way).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qv {

// When a line would grow past `column` bytes, a line break (CR LF) goes in
// after the last blank, hyphen or tab seen on it, and the blanks, hyphens and
// tabs right after that are dropped. A line without such a byte is not
// broken (a long word stays whole and the line breaks after the next one).
// Text between a pair of double quotes or of single quotes is never broken.
// CR LF pairs already in the text are kept and start a new line. No break is
// added at the very end.
std::string WrapDescription(std::string_view text, std::size_t column);

}  // namespace qv
