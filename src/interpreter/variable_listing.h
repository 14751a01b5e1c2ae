// The text of SEZNAMPROMENNYCH: variables 1 to 999 in aligned columns, four
// to a line, for checking a gamebook while writing it.
#pragma once

#include <string>

#include "state/world_state.h"

namespace qv {

// For each variable n: "$" and n padded to three places, " = ", the value,
// three blanks and one more for each of value < 10, < 100, < 1000. A CR after
// every fourth variable and a second one after every hundredth.
std::string BuildVariableListing(const WorldState& world);

}  // namespace qv
