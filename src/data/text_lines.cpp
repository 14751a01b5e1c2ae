#include "data/text_lines.h"

namespace qv {

bool LineCursor::Next(std::string_view& line) {
  if (start_ >= text_.size()) return false;
  const std::size_t lf = text_.find('\n', start_);
  if (lf == std::string_view::npos) {
    line = text_.substr(start_);
    start_ = text_.size();
    return true;
  }
  std::size_t end = lf;
  if (end > start_ && text_[end - 1] == '\r') --end;
  line = text_.substr(start_, end - start_);
  start_ = lf + 1;
  return true;
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  LineCursor cursor(text);
  for (std::string_view line; cursor.Next(line);) lines.emplace_back(line);
  return lines;
}

std::string JoinLines(std::string_view text) {
  std::string joined;
  joined.reserve(text.size());
  LineCursor cursor(text);
  for (std::string_view line; cursor.Next(line);) joined += line;
  return joined;
}

}  // namespace qv
