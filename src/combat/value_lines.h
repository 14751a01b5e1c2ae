// The value lines of the fight window's two halves, each as the window shows
// it next to its caption ("Životy", "Útok", ...).
#pragma once

#include <cstdint>
#include <string>

#include "combat/enemy.h"
#include "state/game_state.h"

namespace qv {

// "15 / 20"
std::string EnemyLivesLine(const Enemy& enemy);
// "2k6+1", "1k10-2", "1k6+0": the bonus with its own sign.
std::string EnemyAttackLine(const Enemy& enemy);

// The fight maxima: the attribute's maximum plus the fight's bonus to it.
int64_t FightMaxLives(const GameState& state);
int64_t FightMaxMana(const GameState& state);

// "18 / 20": ZIVOTY and the fight maximum.
std::string PlayerLivesLine(const GameState& state);
// MANA and the fight maximum.
std::string PlayerManaLine(const GameState& state);
// RYCHLOST plus the fight's speed bonus.
std::string PlayerSpeedLine(const GameState& state);
// "7 / 15": CombatEnergy and ENERGIE.
std::string PlayerEnergyLine(const GameState& state);
// Weapon dice with "+" and the total bonus (weapon bonus, SILA, the fight's
// attack bonus, less the armour's attack penalty); the "+" stands also before
// a negative total: "1k6+-2".
std::string PlayerAttackLine(const GameState& state);
// Armour defence + OBRATNOST + the fight's defence bonus.
std::string PlayerDefenceLine(const GameState& state);
// Weapon damage + the fight's damage bonus.
std::string PlayerDamageLine(const GameState& state);
// Armour hardness + the fight's hardness bonus.
std::string PlayerHardnessLine(const GameState& state);

// The texts of both halves as last drawn. Lines are drawn again only when
// something that owns them changes, so a line may lag behind the state
// between redraws, as it does on the screen.
struct FightLines {
  std::string EnemyName;
  std::string EnemyLives;
  std::string EnemyAttack;
  std::string EnemyDefence;
  std::string EnemyDamage;
  std::string EnemyHardness;

  std::string PlayerName;
  std::string PlayerLives;
  std::string PlayerMana;
  std::string PlayerSpeed;
  std::string PlayerEnergy;
  std::string PlayerAttack;
  std::string PlayerDefence;
  std::string PlayerDamage;
  std::string PlayerHardness;
};

// Every line of both halves from the enemy and the state.
FightLines DrawAllLines(const Enemy& enemy, const GameState& state);

// The lines that change during a fight, each drawn again on its own.
enum class FightLine {
  EnemyLives,
  EnemyAttack,
  EnemyDefence,
  EnemyDamage,
  EnemyHardness,
  PlayerLives,
  PlayerMana,
  PlayerSpeed,
  PlayerEnergy,
  PlayerAttack,
  PlayerDefence,
  PlayerDamage,
  PlayerHardness,
};

void RedrawLine(FightLines& lines, FightLine line, const Enemy& enemy, const GameState& state);

}  // namespace qv
