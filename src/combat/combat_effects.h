// The kinds of effect that attacks, items and spells have on a fight. An
// effect is a catalog entry such as "nzivoty-3": kind, sign, amount (and for
// "promenna" the number of a variable, written among its letters).
#pragma once

#include <string_view>

namespace qv {

enum class CombatEffectKind {
  Unknown,       // changes nothing
  Zivoty,        // the hero's lives, "+" capped at the fight maximum
  Mana,          // the hero's mana, "+" capped at the fight maximum, never below 0
  MaxZivoty,     // the fight's bonus to the lives maximum
  MaxMana,       // the fight's bonus to the mana maximum
  Utok,          // the fight's attack bonus
  Obrana,        // the fight's defence bonus
  TentoObrana,   // defence in this round (set, not added)
  PristiObrana,  // defence in the next round (set)
  PristiUtok,    // attack in the next round (set)
  Tvrdost,       // the fight's hardness bonus
  Poskozeni,     // the fight's damage bonus
  Energie,       // CombatEnergy, without a cap
  Rychlost,      // the fight's speed bonus
  NZivoty,       // the enemy's lives, "+" capped at its maximum
  NUtok,         // the enemy's attack bonus
  NObrana,       // the enemy's defence, never taken below 0
  NTvrdost,      // the enemy's hardness
  NPoskozeni,    // the enemy's damage
  Promenna,      // a numbered variable: "+", "-" or "="
};

// The kind named by an effect's (lower-case) name; Unknown for any other.
CombatEffectKind CombatEffectKindOf(std::string_view name);

}  // namespace qv
