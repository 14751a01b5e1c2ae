// Splitting a gamebook text file into lines.
//
// Lines end at CR LF or at LF; the line ends are not kept. A lone CR is an
// ordinary byte of its line. A last line without a line end still counts, so
// "a\nb" gives two lines and "a\n" one; an empty text gives none.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The lines of a text one after another, as views into it: a file of
// millions of one-byte lines is read without a string per line.
class LineCursor {
 public:
  explicit LineCursor(std::string_view text) : text_(text) {}

  // The next line, or false when there is none left.
  bool Next(std::string_view& line);

 private:
  std::string_view text_;
  std::size_t start_ = 0;
};

std::vector<std::string> SplitLines(std::string_view text);

// The lines joined with nothing between them.
std::string JoinLines(std::string_view text);

}  // namespace qv
