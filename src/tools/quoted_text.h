// Windows-1250 texts written as double-quoted UTF-8 in the authors' text
// files: \" and \\ for the quote and the backslash, \xHH for a byte that has
// no printable form (control bytes and the five bytes Windows-1250 leaves
// unassigned).
#pragma once

#include <string>
#include <string_view>
#include <variant>

namespace qv {

// "text" with the escapes above.
std::string QuoteCp1250(std::string_view cp1250);

struct UnquoteError {
  std::string Message;
};

// The Windows-1250 bytes of a quoted text; the whole of `written` must be the
// quoted text (blanks around it already trimmed).
std::variant<std::string, UnquoteError> UnquoteToCp1250(std::string_view written);

}  // namespace qv
