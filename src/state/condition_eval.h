// Evaluating a parsed condition against the game state.
#pragma once

#include <string>

#include "data/condition.h"
#include "state/game_state.h"

namespace qv {

// True when the condition holds. A subject or value that is no integer
// after substitution throws ConversionError: the operation that asked is
// abandoned. A variable, item, object, weapon or armour number outside its
// table reads as 0.
bool EvaluateCondition(const Condition& condition, const GameState& state);

// The one-line Czech description of the condition shown in hints, with the
// currency name of the game.
std::string DescribeCondition(const Condition& condition, const GameState& state);

}  // namespace qv
