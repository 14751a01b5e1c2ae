// ApplyEffect: the part of an effect that changes the character directly.
#pragma once

#include "data/effect.h"
#include "state/character_state.h"

namespace qv {

// Adds (operator '+') or subtracts (operator '-') the amount to the attribute
// named maxzivoty, maxmana, sila, obratnost, rychlost or energie. Any other
// name or operator changes nothing: item use and combat give those meaning.
// Arithmetic wraps at 32 bits so applying and reversing always cancel.
void ApplyEffect(CharacterState& character, const Effect& effect);

// The same effect with '+' and '-' swapped: taking off what equipping added.
// Other operators change nothing, as in ApplyEffect.
void ApplyEffectReversed(CharacterState& character, const Effect& effect);

}  // namespace qv
