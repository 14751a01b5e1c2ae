// The descriptions the inventory shows while the mouse is over an entry:
// objects, items, weapons and armour, with the use mode of items, the
// modifiers of weapons and armour, and whether each condition holds now.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "data/catalog_records.h"
#include "state/game_state.h"
#include "state/object_entry.h"

namespace qv {

// Line break inside the inventory's texts.
inline constexpr std::string_view kHintBreak = "\r\n";
// Descriptions are wrapped at this column.
inline constexpr std::size_t kHintWidth = 80;

// "Pouze v boji", "Pouze mimo boj", "Možno použít vždy" or "Nelze použít!"
// for the use words "boj", "mimoboj", "vzdy" and anything else.
std::string_view UseModeLine(std::string_view use_word);

// True when the item may be used outside a fight ("mimoboj", "vzdy").
bool UsableOutsideFight(const Item& item);

// One modifier of a weapon or armour: "Maximum životů + 2"; a kind that is
// not an attribute gives an empty line.
std::string ModifierLine(const Effect& modifier);

// For every condition, in order: a line break and "Splněno: " or
// "Nesplněno: " with the condition's description. Throws ConversionError
// when a condition cannot be evaluated.
std::string ConditionLines(std::span<const Condition> conditions, const GameState& state);

std::string ObjectHint(const ObjectEntry& object);
std::string ItemHint(const Item& item, const GameState& state);
std::string WeaponHint(const Weapon& weapon, const GameState& state);
std::string ArmourHint(const Armour& armour, const GameState& state);

}  // namespace qv
