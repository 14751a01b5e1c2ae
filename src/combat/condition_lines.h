// The "Nutno: ..." lines that tell which conditions of an attack, item or
// spell are not met.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "data/condition.h"
#include "state/game_state.h"

namespace qv {

// "Nutno: "
inline constexpr std::string_view kConditionLinePrefix = "Nutno: ";
// "Nesplněny podmínky akce !", closing the lines of an attack.
inline constexpr std::string_view kUnmetAttackConditions = "Nespln\xECny podm\xEDnky akce !";
// "Nesplněny podmínky použití !", closing the lines of a hovered item.
inline constexpr std::string_view kUnmetItemConditionsHover =
    "Nespln\xECny podm\xEDnky pou\x9Eit\xED !";
// "Nesplněny podmínky použití!", closing the lines of a clicked item.
inline constexpr std::string_view kUnmetItemConditionsClick =
    "Nespln\xECny podm\xEDnky pou\x9Eit\xED!";
// "Nesplněny podmínky seslání !", closing the lines of a spell.
inline constexpr std::string_view kUnmetSpellConditions =
    "Nespln\xECny podm\xEDnky sesl\xE1n\xED !";

struct ConditionLines {
  std::string Text;  // empty when every condition holds
  bool AllMet = true;
};

// For every condition that does not hold: "Nutno: " and its description,
// wrapped at 33, then a line break; when any failed, `closing` and a line
// break. Throws ConversionError when a condition's number is no number.
ConditionLines UnmetConditionLines(std::span<const Condition> conditions, const GameState& state,
                                   std::string_view closing);

// True when every condition holds. Throws ConversionError as above.
bool AllConditionsMet(std::span<const Condition> conditions, const GameState& state);

}  // namespace qv
