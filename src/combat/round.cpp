// One round of the fight, and the end of the fight when the enemy falls.
#include "combat/round.h"

#include <algorithm>
#include <climits>

#include "combat/fight_window.h"
#include "parser/dice.h"
#include "parser/wrapping_arithmetic.h"
#include "state/damage_formula.h"

namespace qv {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

// "Výsledný útok nepřítele je " A ", tvá obrana je " D "."
constexpr std::string_view kEnemyAttackIs = "V\xFDsledn\xFD \xFAtok nep\xF8\xEDtele je ";
constexpr std::string_view kYourDefenceIs = ", tv\xE1 obrana je ";
// "Úspěšně jsi uhnul!"
constexpr std::string_view kDodged = "\xDAsp\xEC\x9An\xEC jsi uhnul!";
// "Neutrpěl jsi však žádné zranění! ("
constexpr std::string_view kNoWound =
    "Neutrp\xECl jsi v\x9A"
    "ak \x9E\xE1"
    "dn\xE9 zran\xECn\xED! (";
// "Ztrácíš " W " životů. ("
constexpr std::string_view kYouLose =
    "Ztr\xE1"
    "c\xED\x9A ";
constexpr std::string_view kLivesOpen = " \x9Eivot\xF9. (";
// The sum: A " útok +" damage " poškození -" D " obrana -" T " tvrdost)".
constexpr std::string_view kSumAttack = " \xFAtok +";
constexpr std::string_view kSumDamage = " po\x9Akozen\xED -";
constexpr std::string_view kSumDefence = " obrana -";
constexpr std::string_view kSumHardness = " tvrdost)";

std::string N(int32_t n) { return std::to_string(n); }

}  // namespace

int32_t RollEnemyAttack(const Enemy& enemy, RandomSource& random) {
  int32_t sum = enemy.AttackBonus;
  const int32_t count = CappedDiceCount(enemy.AttackCount);
  for (int32_t i = 0; i < count; ++i) {
    sum = WrapAdd(sum, random.Uniform(1, std::max(enemy.AttackSides, 1)));
  }
  return sum;
}

EnemyStrike StrikeAgainstPlayer(int32_t attack, int32_t defence, int32_t hardness,
                                int32_t enemy_damage) {
  EnemyStrike strike;
  strike.Attack = attack;
  strike.Defence = defence;
  strike.Difference = WrapSub(attack, defence);
  strike.Hardness = hardness;
  strike.Wound = WrapSub(WrapAdd(strike.Difference, enemy_damage), hardness);
  return strike;
}

std::string EnemyStrikeText(const EnemyStrike& strike, int32_t enemy_damage) {
  std::string text(kEnemyAttackIs);
  text += N(strike.Attack);
  text += kYourDefenceIs;
  text += N(strike.Defence);
  text += ".";
  text += kLineBreak;
  if (strike.Difference <= 0) {
    text += kDodged;
    return text;
  }
  if (strike.Wound <= 0) {
    text += kNoWound;
  } else {
    text += kYouLose;
    text += N(strike.Wound);
    text += kLivesOpen;
  }
  text += N(strike.Attack);
  text += kSumAttack;
  text += N(enemy_damage);
  text += kSumDamage;
  text += N(strike.Defence);
  text += kSumDefence;
  text += N(strike.Hardness);
  text += kSumHardness;
  return text;
}

void FightWindow::ResolveRound(int32_t attack_number) {
  const Attack* found = State.Attacks.Find(attack_number);
  if (!found) return;
  // The catalog is read again only at the round's end; a copy keeps the
  // attack whole whatever the effects do.
  const Attack attack = *found;
  CharacterState& hero = State.Character;
  FightModifiers& fight = State.Fight;

  DropUseList();
  ListHeadingVisible = false;
  ShowListButtons(true);
  Summary2Colour = kFightLime;

  // The enemy strikes first.
  const int32_t enemy_attack = RollEnemyAttack(enemy, Random);
  int32_t defence =
      WrapAdd(WrapAdd(WrapAdd(hero.CurrentArmour.Defence, hero.OBRATNOST), fight.obrana),
              fight.pristiobrana);
  for (const Effect& effect : attack.UsedPlainEffects()) {
    if (effect.Name != "tentoobrana") continue;
    defence =
        effect.Operator == '+' ? WrapAdd(defence, effect.Amount) : WrapSub(defence, effect.Amount);
  }
  fight.pristiobrana = 0;
  fight.tentoobrana = 0;
  const int32_t hardness = WrapAdd(hero.CurrentArmour.Toughness, fight.tvrdost);
  const EnemyStrike strike = StrikeAgainstPlayer(enemy_attack, defence, hardness, enemy.Damage);
  Summary1 = EnemyStrikeText(strike, enemy.Damage);
  if (strike.Difference > 0 && strike.Wound > 0) {
    hero.ZIVOTY = WrapSub(hero.ZIVOTY, strike.Wound);
    hero.HitInCombat = (hero.HitInCombat & ~int32_t{0xFF}) | 1;
    DrawLine(FightLine::PlayerLives);
  }

  // Then the player's attack.
  int32_t player_attack = DamageRoll(attack.AttackFormula.str(), State, Random);
  if (player_attack > 0) player_attack = WrapAdd(player_attack, fight.pristiutok);
  const int32_t difference = WrapSub(player_attack, enemy.Defence);
  const int32_t damage = DamageRoll(attack.DamageFormula.str(), State, Random);
  const int32_t hit = WrapSub(WrapAdd(difference, damage), enemy.Hardness);
  Outcome = OutcomeValues{player_attack, enemy.Defence, damage, enemy.Hardness, hit};
  fight.pristiutok = 0;

  if (difference <= 0) {
    Summary2 = FillOutcomeText(attack.MissText.str());
    ApplyEffects(attack.UsedMissEffects());
  } else {
    if (hit <= 0) {
      Summary2 = FillOutcomeText(attack.NoDamageText.str());
    } else {
      Summary2 = FillOutcomeText(attack.HitText.str());
      enemy.Lives = WrapSub(enemy.Lives, hit);
      DrawLine(FightLine::EnemyLives);
    }
    ApplyEffects(attack.UsedHitEffects());
  }
  if (Ended()) return;

  hero.CombatEnergy = WrapSub(hero.CombatEnergy, attack.EnergyCost);
  hero.MANA = WrapSub(hero.MANA, attack.ManaCost);
  DrawLine(FightLine::PlayerMana);

  ApplyEffects(attack.UsedPlainEffects());
  if (Ended()) return;

  CheckEnemyDefeated();

  const int64_t refilled = int64_t{hero.CombatEnergy} + hero.RYCHLOST + fight.rychlost;
  hero.CombatEnergy = static_cast<int32_t>(std::clamp<int64_t>(refilled, INT32_MIN, hero.ENERGIE));
  DrawLine(FightLine::PlayerEnergy);

  if (NoDeath == 0) {
    ClampAttributes(State, host);
    if (Ended()) return;
  } else if (NoDeath > 0 && hero.ZIVOTY <= 0) {
    State.LastCombatResult = enemy.Lives <= 0 ? 1 : 0;
    Close();
  }

  UpdateBattleActions();
}

void FightWindow::CheckEnemyDefeated() {
  if (FightOver || enemy.Lives >= 1) return;
  CharacterState& hero = State.Character;
  hero.ZKUSENOSTI = WrapAdd(hero.ZKUSENOSTI, enemy.Reward);
  Summary2 = kEnemyDefeated;
  FightOver = true;
  Close();
  State.LastCombatResult = hero.ZIVOTY <= 0 ? 1 : 2;
}

}  // namespace qv
