#include "combat/description_wrap.h"

namespace qv {
namespace {

bool IsBreakByte(char c) { return c == ' ' || c == '-' || c == '\t'; }

}  // namespace

std::string WrapDescription(std::string_view text, std::size_t column) {
  constexpr std::size_t kNone = std::string_view::npos;
  std::string out;
  out.reserve(text.size() + text.size() / (column + 1) * 2 + 2);
  std::size_t line_start = 0;
  std::size_t last_break = kNone;  // the last break byte of the line, outside quotes
  char quote = 0;                  // the quote mark of an open quotation
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      out.append(text.substr(line_start, i + 2 - line_start));
      i += 2;
      line_start = i;
      last_break = kNone;
      continue;
    }
    if (c == '"' || c == '\'') {
      if (quote == c) {
        quote = 0;
      } else if (quote == 0) {
        quote = c;
      }
    } else if (quote == 0 && IsBreakByte(c)) {
      last_break = i;
    }
    ++i;
    // A break byte that opens the line would leave a line of nothing but it.
    if (quote == 0 && i - line_start > column && last_break != kNone && last_break > line_start) {
      out.append(text.substr(line_start, last_break + 1 - line_start));
      std::size_t next = last_break + 1;
      while (next < text.size() && IsBreakByte(text[next])) ++next;
      if (next < text.size()) out += "\r\n";
      line_start = next;
      last_break = kNone;
      if (i < next) i = next;
    }
  }
  out.append(text.substr(line_start));
  return out;
}

}  // namespace qv
