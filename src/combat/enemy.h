// The opponent of a fight, described entirely by the SOUBOJ tag. One enemy
// lives as long as the game window: attributes a SOUBOJ tag leaves out keep
// the values of the previous fight.
#pragma once

#include <cstdint>
#include <string>

namespace qv {

struct Enemy {
  std::string Name;         // JMENO: heading of the enemy half
  int32_t AttackSides = 0;  // UTOK "NkS+B": S
  int32_t AttackCount = 0;  // N
  int32_t AttackBonus = 0;  // B, signed
  int32_t Damage = 0;       // POSKOZENI: added to every wound the enemy inflicts
  int32_t Defence = 0;      // OBRANA: subtracted from the player's attack
  int32_t Hardness = 0;     // TVRDOST: subtracted from every wound the player inflicts
  int32_t Lives = 0;        // ZIVOTY, then ZRANEN
  int32_t MaxLives = 0;     // ZIVOTY
  int32_t Reward = 0;       // XP: added to ZKUSENOSTI when the enemy is defeated
};

}  // namespace qv
