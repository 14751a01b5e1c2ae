#include "interpreter/line_breaking.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace qv {

namespace {

bool IsBreakChar(char c) { return c == ' ' || c == '-' || c == '\t'; }
bool IsQuoteChar(char c) { return c == '"' || c == '\''; }

// Where the two breakings differ.
struct BreakRule {
  int width = 0;
  // Choose the last break position that keeps the line within `width`
  // (the help); otherwise the last one on the line (TEXT content).
  bool keep_within_width = false;
  // Drop the break characters that follow a break (TEXT content).
  bool drop_following_breaks = false;
};

std::string BreakLines(std::string_view text, const BreakRule& rule) {
  const std::size_t n = text.size();
  const std::size_t width = rule.width > 0 ? static_cast<std::size_t>(rule.width) : 0;
  std::string out;
  out.reserve(n + n / 16 + 2);
  std::vector<std::size_t> breaks;  // break positions read so far, ascending
  std::size_t line_start = 0;
  char quote = 0;  // the quote character of an open quotation, or 0
  std::size_t i = 0;
  while (i < n) {
    const char c = text[i];
    if (IsQuoteChar(c)) {
      if (quote == c) {
        quote = 0;
      } else if (quote == 0) {
        quote = c;
      }
    } else if (quote == 0 && IsBreakChar(c)) {
      breaks.push_back(i);
    }
    ++i;  // the current line is text[line_start, i)
    if (i - line_start <= width) continue;

    std::optional<std::size_t> at;
    for (auto it = breaks.rbegin(); it != breaks.rend() && *it >= line_start; ++it) {
      if (!rule.keep_within_width || *it - line_start < width) {
        at = *it;
        break;
      }
      at = *it;  // the first break position after an overlong word, unless a later one fits
    }
    if (!at) continue;

    out.append(text, line_start, *at + 1 - line_start);
    std::size_t next = *at + 1;
    if (rule.drop_following_breaks) {
      while (next < n && IsBreakChar(text[next])) ++next;
    }
    if (next < n) out += kLineBreak;
    line_start = next;
    if (i < next) i = next;
  }
  out.append(text, line_start, std::string_view::npos);
  return out;
}

}  // namespace

std::string BreakTextContent(std::string_view text, int width) {
  return BreakLines(text, BreakRule{width, false, true});
}

int TextContentColumns(int screen_width, bool bold) {
  if (screen_width <= 640) return bold ? 43 : 50;
  return bold ? 66 : 74;
}

std::string WrapParagraph(std::string_view text, int width) {
  return BreakLines(text, BreakRule{width, true, false});
}

}  // namespace qv
