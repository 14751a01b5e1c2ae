// $ references in gamebook text: "$7" is variable 7, "$ZIVOTY" the hero's
// hit points, "$retezec3" text slot 3. One pass from left to right into a
// copy, so replaced values are never scanned again.
#pragma once

#include <string>
#include <string_view>

#include "state/game_state.h"
#include "state/keyword_values.h"

namespace qv {

std::string SubstituteValues(std::string_view text, const GameState& state,
                             const LocalClock& clock = SystemLocalTime);

}  // namespace qv
