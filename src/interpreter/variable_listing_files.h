// The two variable listings SEZNAMPROMENNYCHSOUBOR writes into the working
// directory. Each lists "$n = value" lines, a separator, and the same
// variables as PROMENNA tags that can be pasted back into a location.
#pragma once

#include <string>
#include <string_view>

#include "state/world_state.h"

namespace qv {

inline constexpr std::string_view kAllVariablesFileName = "seznampromennych_vse.txt";
inline constexpr std::string_view kNonZeroVariablesFileName = "seznampromennych_nenul.txt";

// The text of a listing, lines ending in CR LF: every variable 1..999, or
// only those that are not 0.
std::string VariableListing(const WorldState& world, bool non_zero_only);

// Writes both files, replacing existing ones. Throws PageError naming the
// file when one cannot be created or written.
void WriteVariableListingFiles(const WorldState& world);

}  // namespace qv
