#include "text/text_input.h"

namespace qv {

std::optional<std::string> TextInput::ReadLine() {
  if (ended_) return std::nullopt;
  std::string line;
  if (!std::getline(in_, line)) {
    ended_ = true;
    return std::nullopt;
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

}  // namespace qv
