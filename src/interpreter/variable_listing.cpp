#include "interpreter/variable_listing.h"

namespace qv {

std::string BuildVariableListing(const WorldState& world) {
  std::string text;
  text.reserve(WorldState::kVariableCount * 16);
  for (int n = 1; n <= static_cast<int>(WorldState::kVariableCount); ++n) {
    const int32_t value = world.Variables.Get(n);
    text += '$';
    text += std::to_string(n);
    if (n < 10) text += ' ';
    if (n < 100) text += ' ';
    text += " = ";
    text += std::to_string(value);
    text += "   ";
    if (value < 10) text += ' ';
    if (value < 100) text += ' ';
    if (value < 1000) text += ' ';
    if (n % 4 == 0) text += '\r';
    if (n % 100 == 0) text += '\r';
  }
  return text;
}

}  // namespace qv
