// The values of one fight that are not part of the saved game state, and the
// zeroing of the fight modifiers when a fight starts and ends.
#pragma once

#include <cstdint>

#include "state/fight_modifiers.h"

namespace qv {

// The numbers of the player's last strike, read by the outcome texts'
// placeholders.
struct OutcomeValues {
  int32_t Attack = 0;         // P: "#utok"
  int32_t EnemyDefence = 0;   // "#nobrana"
  int32_t Damage = 0;         // Q: "#poskozeni"
  int32_t EnemyHardness = 0;  // "#ntvrdost"
  int32_t Hit = 0;            // H: "#zasah"
};

struct FightValues {
  int32_t NoDeath = 0;  // above 0: the player cannot die in this fight
  bool SpellsAllowed = true;
  bool ItemsAllowed = true;
  bool FightOver = false;  // the enemy has been defeated
  qv::OutcomeValues Outcome;
};

// Every modifier but those that carry from one round to the next
// (tentoobrana, pristiobrana, pristiutok).
inline void ZeroFightStartModifiers(FightModifiers& fight) {
  fight.utok = 0;
  fight.obrana = 0;
  fight.tvrdost = 0;
  fight.poskozeni = 0;
  fight.maxmana = 0;
  fight.maxzivoty = 0;
  fight.rychlost = 0;
}

// As at the start, except the speed bonus, which outlasts the fight.
inline void ZeroFightEndModifiers(FightModifiers& fight) {
  fight.utok = 0;
  fight.obrana = 0;
  fight.tvrdost = 0;
  fight.poskozeni = 0;
  fight.maxmana = 0;
  fight.maxzivoty = 0;
}

}  // namespace qv
