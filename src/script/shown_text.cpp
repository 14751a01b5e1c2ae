#include "script/shown_text.h"

#include "data/cp1250.h"

namespace qv {

std::string ShownText(std::string_view cp1250) {
  std::string lines;
  lines.reserve(cp1250.size());
  for (std::size_t i = 0; i < cp1250.size(); ++i) {
    if (cp1250[i] == '\r') {
      lines += '\n';
      if (i + 1 < cp1250.size() && cp1250[i + 1] == '\n') ++i;
    } else {
      lines += cp1250[i];
    }
  }
  return Cp1250ToUtf8(lines);
}

}  // namespace qv
