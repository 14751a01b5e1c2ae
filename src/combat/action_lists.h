// The pieces of the fight's action lists: which items the item list offers,
// their captions, and the texts that describe a hovered attack.
#pragma once

#include <cstdint>
#include <string>

#include "data/catalog_records.h"
#include "state/game_state.h"

namespace qv {

// Held and usable in a fight: use word "boj" or "vzdy".
bool OfferedInFight(const Item& item);

// The item's name, with " x " and the count when two or more are held.
std::string ItemCaption(const Item& item);

// "Útok: " low, or "Útok: " low " až " high, a line break, and the damage
// range alike after "Poškození: ". The ranges are those of the attack and
// damage formulas with the weapon in hand at its lowest and highest roll.
std::string AttackRangeText(const Attack& attack, const GameState& state);

// "Energie: " and the attack's energy cost; "Mana: " and its mana cost.
std::string EnergyCostText(const Attack& attack);
std::string ManaCostText(const Attack& attack);

// "Stojí: " mana cost " many".
std::string SpellCostText(const Spell& spell);

// "K provedení této akce je potřeba " energy " energie a " mana " many!"
std::string AttackRefusalText(const Attack& attack);

// "Použít předmět", "Seslat kouzlo"
inline constexpr std::string_view kUseItemHint =
    "Pou\x9E\xEDt p\xF8"
    "edm\xECt";
inline constexpr std::string_view kCastSpellHint = "Seslat kouzlo";
// "Nedostatek many!"
inline constexpr std::string_view kNotEnoughMana = "Nedostatek many!";

}  // namespace qv
