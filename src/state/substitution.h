// $ references in gamebook text: "$7" is variable 7, "$ZIVOTY" the hero's
// hit points, "$retezec3" text slot 3. One pass from left to right into a
// copy, so replaced values are never scanned again.
//
// At each "$":
// - digits: "$" and the digits become variable N; a number outside 1..999
//   reads as 0;
// - letters (A..Z, a..z): "$" and the run of letters, compared in upper case,
//   become the keyword's value (KeywordValue); a name that is no keyword
//   becomes "0". RETEZEC takes the digits right after it as well and becomes
//   text slot K, the empty text for K outside 1..10 or without digits;
// - anything else: the "$" stays ("$$7" gives "$" + variable 7).
// Text without "$" comes back unchanged.
#pragma once

#include <string>
#include <string_view>

#include "state/game_state.h"
#include "state/keyword_values.h"

namespace qv {

std::string SubstituteValues(std::string_view text, const GameState& state,
                             const LocalClock& clock = SystemLocalTime);

}  // namespace qv
