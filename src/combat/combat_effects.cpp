// What an effect of an attack, item or spell does to the fight, and the
// message that tells the player.
#include "combat/combat_effects.h"

#include <algorithm>
#include <array>
#include <climits>
#include <utility>

#include "combat/fight_window.h"
#include "parser/wrapping_arithmetic.h"

namespace qv {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

constexpr std::array<std::pair<std::string_view, CombatEffectKind>, 19> kKinds{{
    {"zivoty", CombatEffectKind::Zivoty},
    {"mana", CombatEffectKind::Mana},
    {"maxzivoty", CombatEffectKind::MaxZivoty},
    {"maxmana", CombatEffectKind::MaxMana},
    {"utok", CombatEffectKind::Utok},
    {"obrana", CombatEffectKind::Obrana},
    {"tentoobrana", CombatEffectKind::TentoObrana},
    {"pristiobrana", CombatEffectKind::PristiObrana},
    {"pristiutok", CombatEffectKind::PristiUtok},
    {"tvrdost", CombatEffectKind::Tvrdost},
    {"poskozeni", CombatEffectKind::Poskozeni},
    {"energie", CombatEffectKind::Energie},
    {"rychlost", CombatEffectKind::Rychlost},
    {"nzivoty", CombatEffectKind::NZivoty},
    {"nutok", CombatEffectKind::NUtok},
    {"nobrana", CombatEffectKind::NObrana},
    {"ntvrdost", CombatEffectKind::NTvrdost},
    {"nposkozeni", CombatEffectKind::NPoskozeni},
    {"promenna", CombatEffectKind::Promenna},
}};

// The messages, by kind: what "+" and what "-" reports before the number.
constexpr std::string_view kHealed = "Vyl\xE9\xE8il sis ";
constexpr std::string_view kYouLost = "Ztratil jsi ";
constexpr std::string_view kRestored = "Obnovil sis ";
constexpr std::string_view kLivesTail = " \x9Eivoty";
constexpr std::string_view kManaTail = " many";
constexpr std::string_view kMaxLivesUp =
    "Tv\xF9j maxim\xE1ln\xED po\xE8"
    "et \x9Eivot\xF9 se zv\xFD\x9Ail o ";
constexpr std::string_view kMaxLivesDown =
    "Tv\xF9j maxim\xE1ln\xED po\xE8"
    "et \x9Eivot\xF9 se sn\xED\x9Eil o ";
constexpr std::string_view kMaxManaUp =
    "Tvoje maxim\xE1ln\xED \xFArove\xF2 many se zv\xFD\x9Aila o ";
constexpr std::string_view kMaxManaDown =
    "Tvoje maxim\xE1ln\xED \xFArove\xF2 many se sn\xED\x9Eila o ";
constexpr std::string_view kAttackUp = "Tv\xF9j \xFAtok se zv\xFD\x9Ail o ";
constexpr std::string_view kAttackDown = "Tv\xF9j \xFAtok se sn\xED\x9Eil o ";
constexpr std::string_view kDefenceUp = "Tvoje obrana se zv\xFD\x9Aila o ";
constexpr std::string_view kDefenceDown = "Tvoje obrana se sn\xED\x9Eila o ";
constexpr std::string_view kThisDefenceUp = "V tomto kole byla tv\xE1 obrana vy\x9A\x9A\xED o ";
constexpr std::string_view kThisDefenceDown = "V tomto kole byla tv\xE1 obrana ni\x9E\x9A\xED o ";
constexpr std::string_view kNextDefenceUp =
    "V p\xF8\xED\x9At\xEDm kole bude tv\xE1 obrana vy\x9A\x9A\xED o ";
constexpr std::string_view kNextDefenceDown =
    "V p\xF8\xED\x9At\xEDm kole bude tv\xE1 obrana ni\x9E\x9A\xED o ";
constexpr std::string_view kNextAttackUp =
    "V p\xF8\xED\x9At\xEDm kole bude tv\xF9j \xFAtok vy\x9A\x9A\xED o ";
// The lowering of the next round's attack is worded "in this round".
constexpr std::string_view kNextAttackDown = "V tomto kole bude tv\xF9j \xFAtok ni\x9E\x9A\xED o ";
constexpr std::string_view kHardnessUp = "Tvoje tvrdost se zv\xFD\x9Aila o ";
constexpr std::string_view kHardnessDown = "Tvoje tvrdost se sn\xED\x9Eila o ";
constexpr std::string_view kDamageUp =
    "Tebou u\x9At\xEC"
    "d\xF8ovan\xE9 po\x9Akozen\xED se zv\xFD\x9Ailo o ";
constexpr std::string_view kDamageDown =
    "Tebou u\x9At\xEC"
    "d\xF8ovan\xE9 po\x9Akozen\xED se sn\xED\x9Eilo o ";
constexpr std::string_view kEnergyUp = "Tv\xE1 energie se zv\xFD\x9Aila o ";
constexpr std::string_view kEnergyDown = "Tv\xE1 energie se sn\xED\x9Eila o ";
constexpr std::string_view kSpeedUp = "Tvoje rychlost se zv\xFD\x9Aila o ";
constexpr std::string_view kSpeedDown = "Tvoje rychlost se sn\xED\x9Eila o ";
constexpr std::string_view kEnemyHealed = "Nep\xF8\xEDtel si obnovil ";
constexpr std::string_view kEnemyLost = "Nep\xF8\xEDtel ztratil ";
constexpr std::string_view kEnemyLivesTail = " \x9Eivot\xF9";
constexpr std::string_view kEnemyAttackUp = "Nep\xF8\xEDteli se zv\xFD\x9Ail \xFAtok o ";
constexpr std::string_view kEnemyAttackDown = "Nep\xF8\xEDteli se sn\xED\x9Eil \xFAtok o ";
constexpr std::string_view kEnemyDefenceUp = "Nep\xF8\xEDteli se zv\xFD\x9Aila obrana o ";
constexpr std::string_view kEnemyDefenceDown = "Nep\xF8\xEDteli se sn\xED\x9Eila obrana o ";
constexpr std::string_view kEnemyHardnessUp = "Nep\xF8\xEDteli se zv\xFD\x9Aila tvrdost o ";
constexpr std::string_view kEnemyHardnessDown = "Nep\xF8\xEDteli se sn\xED\x9Eila tvrdost o ";
constexpr std::string_view kEnemyDamageUp =
    "Nep\xF8\xEDteli se zv\xFD\x9Ailo zp\xF9sobovan\xE9 po\x9Akozen\xED o ";
constexpr std::string_view kEnemyDamageDown =
    "Nep\xF8\xEDteli se sn\xED\x9Eilo zp\xF9sobovan\xE9 po\x9Akozen\xED o ";
// The debug lines of variable changes: "(d.) Proměnná $" v ...
constexpr std::string_view kVariable = "(d.) Prom\xECnn\xE1 $";
constexpr std::string_view kVariableUp = " se zv\xFD\x9Aila o ";
constexpr std::string_view kVariableDown = " se sn\xED\x9Eila o ";
constexpr std::string_view kVariableSet = " se zm\xECnila na ";
constexpr std::string_view kVariableNow = " na ";

// VALUE + N, but not above CAP (the sum taken in 64 bits).
int32_t AddUpTo(int32_t value, int32_t n, int64_t cap) {
  const int64_t sum = int64_t{value} + n;
  return static_cast<int32_t>(std::clamp<int64_t>(std::min(sum, cap), INT32_MIN, INT32_MAX));
}

}  // namespace

CombatEffectKind CombatEffectKindOf(std::string_view name) {
  for (const auto& [word, kind] : kKinds) {
    if (word == name) return kind;
  }
  return CombatEffectKind::Unknown;
}

void FightWindow::AppendMessage(std::string_view text, int64_t number, std::string_view tail) {
  Summary2 += text;
  Summary2 += std::to_string(number);
  Summary2 += tail;
  Summary2 += kLineBreak;
}

void FightWindow::ApplyEffects(std::span<const Effect> effects) {
  for (const Effect& effect : effects) {
    if (Ended()) return;  // the hero died: nothing of the game runs on
    ApplyCombatEffect(effect);
  }
}

void FightWindow::ApplyCombatEffect(const Effect& effect) {
  if (!Summary2.empty()) Summary2 += kLineBreak;
  const bool raise = effect.Operator == '+';
  const bool lower = effect.Operator == '-';
  const int32_t n = effect.Amount;
  CharacterState& hero = State.Character;
  FightModifiers& fight = State.Fight;

  // The kinds that add to or take from one value, each with its messages.
  const auto adjust = [&](int32_t& value, std::string_view up, std::string_view down) {
    if (raise) {
      value = WrapAdd(value, n);
      AppendMessage(up, n);
    } else if (lower) {
      value = WrapSub(value, n);
      AppendMessage(down, n);
    }
  };
  // The kinds that set a value for this or the next round.
  const auto set = [&](int32_t& value, std::string_view up, std::string_view down) {
    if (raise) {
      value = n;
      AppendMessage(up, n);
    } else if (lower) {
      value = WrapNeg(n);
      AppendMessage(down, n);
    }
  };

  switch (CombatEffectKindOf(effect.Name)) {
    case CombatEffectKind::Unknown:
      break;
    case CombatEffectKind::Zivoty:
      if (raise) {
        const int32_t before = hero.ZIVOTY;
        hero.ZIVOTY = AddUpTo(before, n, FightMaxLives(State));
        AppendMessage(kHealed, int64_t{hero.ZIVOTY} - before, kLivesTail);
      } else if (lower) {
        hero.ZIVOTY = WrapSub(hero.ZIVOTY, n);
        AppendMessage(kYouLost, n, kLivesTail);
        // In every fight, NEUMIREJ or not: lives taken by an effect can kill.
        ClampAttributes(State, host);
      }
      DrawLine(FightLine::PlayerLives);
      break;
    case CombatEffectKind::Mana:
      if (raise) {
        const int32_t before = hero.MANA;
        hero.MANA = AddUpTo(before, n, FightMaxMana(State));
        AppendMessage(kRestored, int64_t{hero.MANA} - before, kManaTail);
      } else if (lower) {
        hero.MANA = std::max(WrapSub(hero.MANA, n), 0);
        AppendMessage(kYouLost, n, kManaTail);
      }
      DrawLine(FightLine::PlayerMana);
      break;
    case CombatEffectKind::MaxZivoty:
      adjust(fight.maxzivoty, kMaxLivesUp, kMaxLivesDown);
      DrawLine(FightLine::PlayerLives);
      break;
    case CombatEffectKind::MaxMana:
      adjust(fight.maxmana, kMaxManaUp, kMaxManaDown);
      DrawLine(FightLine::PlayerMana);
      break;
    case CombatEffectKind::Utok:
      adjust(fight.utok, kAttackUp, kAttackDown);
      DrawLine(FightLine::PlayerAttack);
      break;
    case CombatEffectKind::Obrana:
      adjust(fight.obrana, kDefenceUp, kDefenceDown);
      DrawLine(FightLine::PlayerDefence);
      break;
    case CombatEffectKind::TentoObrana:
      set(fight.tentoobrana, kThisDefenceUp, kThisDefenceDown);
      break;
    case CombatEffectKind::PristiObrana:
      set(fight.pristiobrana, kNextDefenceUp, kNextDefenceDown);
      break;
    case CombatEffectKind::PristiUtok:
      set(fight.pristiutok, kNextAttackUp, kNextAttackDown);
      break;
    case CombatEffectKind::Tvrdost:
      adjust(fight.tvrdost, kHardnessUp, kHardnessDown);
      DrawLine(FightLine::PlayerHardness);
      break;
    case CombatEffectKind::Poskozeni:
      adjust(fight.poskozeni, kDamageUp, kDamageDown);
      DrawLine(FightLine::PlayerDamage);
      break;
    case CombatEffectKind::Energie:
      adjust(hero.CombatEnergy, kEnergyUp, kEnergyDown);
      DrawLine(FightLine::PlayerEnergy);
      break;
    case CombatEffectKind::Rychlost:
      adjust(fight.rychlost, kSpeedUp, kSpeedDown);
      DrawLine(FightLine::PlayerSpeed);
      break;
    case CombatEffectKind::NZivoty:
      if (raise) {
        const int32_t before = enemy.Lives;
        enemy.Lives = AddUpTo(before, n, enemy.MaxLives);
        AppendMessage(kEnemyHealed, int64_t{enemy.Lives} - before, kEnemyLivesTail);
      } else if (lower) {
        enemy.Lives = WrapSub(enemy.Lives, n);
        AppendMessage(kEnemyLost, n, kEnemyLivesTail);
      }
      DrawLine(FightLine::EnemyLives);
      CheckEnemyDefeated();
      break;
    case CombatEffectKind::NUtok:
      adjust(enemy.AttackBonus, kEnemyAttackUp, kEnemyAttackDown);
      DrawLine(FightLine::EnemyAttack);
      break;
    case CombatEffectKind::NObrana:
      if (raise) {
        enemy.Defence = WrapAdd(enemy.Defence, n);
        AppendMessage(kEnemyDefenceUp, n);
      } else if (lower) {
        // Never below 0, and the message names what was really taken off. A
        // defence already below 0 is left as it is.
        const int32_t taken = std::clamp(n, 0, std::max(enemy.Defence, 0));
        enemy.Defence -= taken;
        AppendMessage(kEnemyDefenceDown, taken);
      }
      DrawLine(FightLine::EnemyDefence);
      break;
    case CombatEffectKind::NTvrdost:
      adjust(enemy.Hardness, kEnemyHardnessUp, kEnemyHardnessDown);
      DrawLine(FightLine::EnemyHardness);
      break;
    case CombatEffectKind::NPoskozeni:
      adjust(enemy.Damage, kEnemyDamageUp, kEnemyDamageDown);
      DrawLine(FightLine::EnemyDamage);
      break;
    case CombatEffectKind::Promenna: {
      // A variable outside 1..999 has no room: the effect does nothing.
      const int32_t number = effect.Digits;
      int32_t* variable = State.World.Variables.Find(number);
      if (!variable) break;
      std::string_view change;
      if (raise) {
        *variable = WrapAdd(*variable, n);
        change = kVariableUp;
      } else if (lower) {
        *variable = WrapSub(*variable, n);
        change = kVariableDown;
      } else if (effect.Operator == '=') {
        *variable = n;
        change = kVariableSet;
      } else {
        break;
      }
      if (State.World.ReportChanges > 0) {
        Summary2 += kVariable;
        Summary2 += std::to_string(number);
        Summary2 += change;
        if (change != kVariableSet) {
          Summary2 += std::to_string(n);
          Summary2 += kVariableNow;
        }
        Summary2 += std::to_string(*variable);
        Summary2 += kLineBreak;
      }
      break;
    }
  }
}

}  // namespace qv
