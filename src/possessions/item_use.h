// Using an item outside a fight, and the use conditions shared with
// equipping: what each effect does to the hero and the message it leaves.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "data/catalog_records.h"
#include "host/host.h"
#include "state/game_state.h"

namespace qv {

// "Nesplněny podmínky použití!": the closing line when a condition fails.
inline constexpr std::string_view kUseConditionsUnmet =
    "Nespln\xECny podm\xEDnky pou\x9Eit\xED!";
// Condition lines are wrapped at this column.
inline constexpr std::size_t kConditionLineWidth = 33;

// Appends, for every condition that does not hold, "Nutno: " and its
// description wrapped at 33 and a line break, and after them the closing
// line and a line break. Returns true when every condition holds (nothing is
// appended then). Throws ConversionError when a condition cannot be
// evaluated; nothing is appended then either.
bool CheckConditions(std::span<const Condition> conditions, const GameState& state,
                     std::string& messages);

// Carries out one effect of an item used outside a fight and appends its
// message and a line break, if it has one. Kinds and signs without a meaning
// here do nothing. Losing lives or mana runs the shared limit check, which
// may open the death window.
void ApplyItemEffect(const Effect& effect, GameState& state, Host& host, std::string& messages);

}  // namespace qv
