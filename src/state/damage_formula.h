// Damage formulas of attacks, such as "#zbran+#sila": $ references replaced,
// "#sila" by SILA plus the fight's attack bonus, "#poskozeni" by the damage
// of the weapon in hand plus the fight's damage bonus, "#zbran" by the dice
// of the weapon in hand (rolled, at their minimum or at their maximum), and
// the result evaluated as an integer expression. The markers are
// case-sensitive. DamageRoll throws the dice anew for each "#zbran", so
// "#zbran+#zbran" is two throws.
#pragma once

#include <cstdint>
#include <string_view>

#include "parser/random_source.h"
#include "state/game_state.h"

namespace qv {

int32_t DamageRoll(std::string_view formula, const GameState& state, RandomSource& random);
int32_t DamageMin(std::string_view formula, const GameState& state);
int32_t DamageMax(std::string_view formula, const GameState& state);

}  // namespace qv
