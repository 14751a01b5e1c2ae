#include "combat/value_lines.h"

#include <cstdint>

#include "parser/wrapping_arithmetic.h"

namespace qv {
namespace {

std::string Number(int64_t n) { return std::to_string(n); }

std::string OutOf(int64_t value, int64_t maximum) {
  return Number(value) + " / " + Number(maximum);
}

}  // namespace

std::string EnemyLivesLine(const Enemy& enemy) { return OutOf(enemy.Lives, enemy.MaxLives); }

std::string EnemyAttackLine(const Enemy& enemy) {
  std::string line = Number(enemy.AttackCount) + "k" + Number(enemy.AttackSides);
  if (enemy.AttackBonus >= 0) line += "+";
  return line + Number(enemy.AttackBonus);
}

// The maxima are summed in 64 bits so that a large bonus shows its true sum,
// as ClampAttributes caps with it.
int64_t FightMaxLives(const GameState& state) {
  return int64_t{state.Character.MAXZIVOTY} + state.Fight.maxzivoty;
}

int64_t FightMaxMana(const GameState& state) {
  return int64_t{state.Character.MAXMANA} + state.Fight.maxmana;
}

std::string PlayerLivesLine(const GameState& state) {
  return OutOf(state.Character.ZIVOTY, FightMaxLives(state));
}

std::string PlayerManaLine(const GameState& state) {
  return OutOf(state.Character.MANA, FightMaxMana(state));
}

std::string PlayerSpeedLine(const GameState& state) {
  return Number(WrapAdd(state.Character.RYCHLOST, state.Fight.rychlost));
}

std::string PlayerEnergyLine(const GameState& state) {
  return OutOf(state.Character.CombatEnergy, state.Character.ENERGIE);
}

std::string PlayerAttackLine(const GameState& state) {
  const CharacterState& hero = state.Character;
  const Dice& dice = hero.CurrentWeapon.Dice;
  const int32_t bonus = WrapSub(WrapAdd(WrapAdd(dice.Modifier, hero.SILA), state.Fight.utok),
                                hero.CurrentArmour.AttackPenalty);
  return Number(dice.Count) + "k" + Number(dice.Sides) + "+" + Number(bonus);
}

std::string PlayerDefenceLine(const GameState& state) {
  const CharacterState& hero = state.Character;
  return Number(WrapAdd(WrapAdd(hero.CurrentArmour.Defence, hero.OBRATNOST), state.Fight.obrana));
}

std::string PlayerDamageLine(const GameState& state) {
  return Number(WrapAdd(state.Character.CurrentWeapon.Damage, state.Fight.poskozeni));
}

std::string PlayerHardnessLine(const GameState& state) {
  return Number(WrapAdd(state.Character.CurrentArmour.Toughness, state.Fight.tvrdost));
}

void RedrawLine(FightLines& lines, FightLine line, const Enemy& enemy, const GameState& state) {
  switch (line) {
    case FightLine::EnemyLives:
      lines.EnemyLives = EnemyLivesLine(enemy);
      break;
    case FightLine::EnemyAttack:
      lines.EnemyAttack = EnemyAttackLine(enemy);
      break;
    case FightLine::EnemyDefence:
      lines.EnemyDefence = Number(enemy.Defence);
      break;
    case FightLine::EnemyDamage:
      lines.EnemyDamage = Number(enemy.Damage);
      break;
    case FightLine::EnemyHardness:
      lines.EnemyHardness = Number(enemy.Hardness);
      break;
    case FightLine::PlayerLives:
      lines.PlayerLives = PlayerLivesLine(state);
      break;
    case FightLine::PlayerMana:
      lines.PlayerMana = PlayerManaLine(state);
      break;
    case FightLine::PlayerSpeed:
      lines.PlayerSpeed = PlayerSpeedLine(state);
      break;
    case FightLine::PlayerEnergy:
      lines.PlayerEnergy = PlayerEnergyLine(state);
      break;
    case FightLine::PlayerAttack:
      lines.PlayerAttack = PlayerAttackLine(state);
      break;
    case FightLine::PlayerDefence:
      lines.PlayerDefence = PlayerDefenceLine(state);
      break;
    case FightLine::PlayerDamage:
      lines.PlayerDamage = PlayerDamageLine(state);
      break;
    case FightLine::PlayerHardness:
      lines.PlayerHardness = PlayerHardnessLine(state);
      break;
  }
}

FightLines DrawAllLines(const Enemy& enemy, const GameState& state) {
  FightLines lines;
  lines.EnemyName = enemy.Name;
  lines.PlayerName = state.Character.Name.str();
  for (FightLine line : {FightLine::EnemyLives, FightLine::EnemyAttack, FightLine::EnemyDefence,
                         FightLine::EnemyDamage, FightLine::EnemyHardness, FightLine::PlayerLives,
                         FightLine::PlayerMana, FightLine::PlayerSpeed, FightLine::PlayerEnergy,
                         FightLine::PlayerAttack, FightLine::PlayerDefence, FightLine::PlayerDamage,
                         FightLine::PlayerHardness}) {
    RedrawLine(lines, line, enemy, state);
  }
  return lines;
}

}  // namespace qv
