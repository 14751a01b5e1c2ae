// The enemy's half of a round: its roll and what it does to the player.
#pragma once

#include <cstdint>
#include <string>

#include "combat/enemy.h"
#include "parser/random_source.h"

namespace qv {

struct EnemyStrike {
  int32_t Attack = 0;      // A: the enemy's roll
  int32_t Defence = 0;     // D: the player's defence in this round
  int32_t Difference = 0;  // E = A - D
  int32_t Hardness = 0;    // T: the player's hardness
  int32_t Wound = 0;       // W = E + the enemy's damage - T
};

// AttackCount dice of AttackSides sides plus AttackBonus, from the generator
// as it stands (it was seeded when the fight opened). A count of 0 or less
// throws no die; a die of fewer than one side counts 1.
int32_t RollEnemyAttack(const Enemy& enemy, RandomSource& random);

// A, D, E, T and W from the roll and the player's defence and hardness.
EnemyStrike StrikeAgainstPlayer(int32_t attack, int32_t defence, int32_t hardness,
                                int32_t enemy_damage);

// The enemy's strike as the red message line shows it: the roll against the
// defence, then the dodge, the harmless hit or the wound with its sum.
std::string EnemyStrikeText(const EnemyStrike& strike, int32_t enemy_damage);

// "NEPŘÍTEL JE PORAŽEN!"
inline constexpr std::string_view kEnemyDefeated =
    "NEP\xD8\xCDTEL JE PORA\x8E"
    "EN!";

}  // namespace qv
