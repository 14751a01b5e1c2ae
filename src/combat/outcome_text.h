// The outcome texts of an attack (hit, no damage, miss) with their
// placeholders filled in.
#pragma once

#include <string>
#include <string_view>

#include "combat/fight_values.h"

namespace qv {

// Replaces, each over the whole text and in this order, "#utok" by the
// player's attack, "#nobrana" by the enemy's defence, "#poskozeni" by the
// player's damage, "#ntvrdost" by the enemy's hardness, "#zasah" by the hit
// (also when 0 or negative) and "#radek" by a line break. The placeholders
// are case-sensitive; the result may be longer than the stored 200 bytes.
std::string FillOutcomeText(std::string_view text, const OutcomeValues& values);

}  // namespace qv
