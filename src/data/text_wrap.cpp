#include "data/text_wrap.h"

namespace qv {
namespace {

constexpr std::size_t kNone = std::string_view::npos;
constexpr std::string_view kLineBreak = "\r\n";

bool IsBreakByte(char c) { return c == ' ' || c == '-' || c == '\t'; }
bool IsQuoteMark(char c) { return c == '"' || c == '\''; }

// The length of the kept line end at text[i], 0 when there is none.
std::size_t LineEndLength(std::string_view text, std::size_t i, KeptLineEnds kept) {
  if (kept == KeptLineEnds::kNone || i >= text.size()) return 0;
  const bool crlf = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
  if (crlf) return 2;
  if (kept == KeptLineEnds::kAny && (text[i] == '\r' || text[i] == '\n')) return 1;
  return 0;
}

}  // namespace

std::string WrapText(std::string_view text, std::size_t width, const WrapRule& rule) {
  const std::size_t n = text.size();
  std::string out;
  out.reserve(n + n / 16 + 2);
  std::size_t line_start = 0;  // the current line is text[line_start, i)
  // Break positions on the current line: the last one, and the last one
  // that keeps the line within the width. A line holds at most one break
  // position past the width when it is checked, so the last one is also the
  // first after an overlong word.
  std::size_t last = kNone;
  std::size_t last_within = kNone;
  char quote = 0;  // the quote mark of an open quotation, or 0
  std::size_t i = 0;
  while (i < n) {
    if (const std::size_t end = LineEndLength(text, i, rule.LineEnds)) {
      out.append(text, line_start, i + end - line_start);
      i += end;
      line_start = i;
      last = last_within = kNone;
      continue;
    }
    const char c = text[i];
    if (rule.Quotes != QuoteRule::kOrdinary && IsQuoteMark(c)) {
      if (quote == c) {
        quote = 0;
      } else if (quote == 0) {
        quote = c;
      }
    } else if (quote == 0 && IsBreakByte(c) && (rule.BreakAtLineStart || i > line_start)) {
      last = i;
      if (i - line_start < width) last_within = i;
    }
    ++i;
    if (i - line_start <= width) continue;
    if (quote != 0 && rule.Quotes == QuoteRule::kKeepWholeAndWait) continue;
    const bool within = rule.Choice == BreakChoice::kWithinWidth && last_within != kNone;
    const std::size_t at = within ? last_within : last;
    if (at == kNone) continue;

    out.append(text, line_start, at + 1 - line_start);
    std::size_t next = at + 1;
    if (rule.DropBreaksAfterBreak) {
      while (next < n && IsBreakByte(text[next])) ++next;
    }
    const bool at_line_end = LineEndLength(text, next, rule.LineEnds) != 0;
    if (next < n && (rule.BreakBeforeLineEnd || !at_line_end)) out += kLineBreak;
    line_start = next;
    // A break within the width can leave the line's last break position,
    // the one in the column past the width, on the new line.
    last = (last != kNone && last > at && last >= next && (rule.BreakAtLineStart || last > next))
               ? last
               : kNone;
    last_within = (last != kNone && last - next < width) ? last : kNone;
    if (i < next) i = next;
  }
  out.append(text, line_start, kNone);
  return out;
}

}  // namespace qv
