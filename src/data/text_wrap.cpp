#include "data/text_wrap.h"

namespace qv {
namespace {

bool IsBreakByte(char c) { return c == ' ' || c == '-' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// Copies TEXT[start, end) and the line end (CR LF, CR or LF) at `end`, if any;
// returns where the next line starts.
std::size_t CopyLine(std::string_view text, std::size_t start, std::size_t end, std::string& out) {
  std::size_t next = end;
  if (next < text.size()) {
    next += (text[next] == '\r' && next + 1 < text.size() && text[next + 1] == '\n') ? 2 : 1;
  }
  out.append(text.substr(start, next - start));
  return next;
}

}  // namespace

std::string WrapText(std::string_view text, std::size_t width) {
  if (width == 0) width = 1;
  std::string out;
  out.reserve(text.size() + text.size() / width * 2 + 2);
  std::size_t start = 0;  // start of the current output line within TEXT
  while (start < text.size()) {
    // The current line runs to the next line end already in the text.
    std::size_t end = start;
    while (end < text.size() && !IsLineEnd(text[end])) ++end;
    if (end - start <= width) {
      start = CopyLine(text, start, end, out);
      continue;
    }
    // Too long: break after the last break byte within the width, else after
    // the first one beyond it (a long word stays whole).
    std::size_t cut = std::string_view::npos;
    for (std::size_t i = start + width; i-- > start;) {
      if (IsBreakByte(text[i])) {
        cut = i;
        break;
      }
    }
    if (cut == std::string_view::npos) {
      for (std::size_t i = start + width; i < end; ++i) {
        if (IsBreakByte(text[i])) {
          cut = i;
          break;
        }
      }
    }
    if (cut == std::string_view::npos || cut + 1 >= end) {
      // No break byte, or only one at the line's very end: the line stays.
      start = CopyLine(text, start, end, out);
      continue;
    }
    out.append(text.substr(start, cut + 1 - start));
    out += "\r\n";
    start = cut + 1;
  }
  return out;
}

}  // namespace qv
