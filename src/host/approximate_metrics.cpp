#include "host/approximate_metrics.h"

#include <algorithm>

namespace qv {

TextSize ApproximateTextSize(const Font& font, std::string_view text) {
  const int pixels = (font.SizePoints * 96 + 71) / 72;
  const int line_height = (pixels * 115 + 99) / 100;
  const int char_width = (pixels + 1) / 2 + (font.Style.Bold ? 1 : 0);
  int lines = 1;
  int longest = 0;
  int current = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      // CR LF, a lone CR and a lone LF each end one line.
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      longest = std::max(longest, current);
      current = 0;
      ++lines;
    } else {
      ++current;
    }
  }
  longest = std::max(longest, current);
  return TextSize{longest * char_width, lines * line_height};
}

}  // namespace qv
