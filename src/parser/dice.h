// Reading and rolling dice written as "2k6+1" (data/dice.h).
#pragma once

#include <cstdint>
#include <string_view>

#include "data/dice.h"

namespace qv {

class RandomSource;

// No roll throws more dice than this: a count written as "2000000000k6"
// would otherwise keep the program busy for minutes. Far beyond what any
// book needs, so ordinary rolls are unchanged. MinDice and MaxDice keep
// the written count: they only describe the dice.
inline constexpr int32_t kMaxDiceCount = 1000;
inline int32_t CappedDiceCount(int32_t count) { return count > kMaxDiceCount ? kMaxDiceCount : count; }

// Reads X k Y, X k Y + Z or X k Y - Z, without blanks. X is the run of digits
// at the very start; an empty run (or one beyond int32) throws ConversionError.
// Then everything up to the next small "k" is skipped and Y is the digits after
// it; then everything up to the next "+", "-" or ";" is skipped, and Z is the
// digits after a "+", minus the digits after a "-", 0 at ";". Empty Y or Z
// digits give 0. Without a "k" the text is a gamebook error: Y and Z are 0.
Dice ParseDice(std::string_view text);

// Reseeds SOURCE from the clock, then Z plus X draws uniform on 1..Y. A count
// or side number of 0 or below draws nothing. Sums wrap on 32 bits.
int32_t RollDice(const Dice& dice, RandomSource& source);

// X + Z and X * Y + Z, wrapping on 32 bits.
int32_t MinDice(const Dice& dice);
int32_t MaxDice(const Dice& dice);

}  // namespace qv
