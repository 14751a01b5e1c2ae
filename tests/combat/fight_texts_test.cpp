// The texts of the fight window that do not need a fight: the enemy's strike,
// the outcome placeholders and the value lines.
#include <gtest/gtest.h>

#include <string>

#include "combat/action_lists.h"
#include "combat/outcome_text.h"
#include "combat/round.h"
#include "combat/value_lines.h"
#include "parser/dice.h"
#include "parser/random_source.h"
#include "support/czech_text.h"

namespace qv {
namespace {

TEST(EnemyStrikeText, WoundShowsTheLivesLostAndTheSum) {
  const EnemyStrike strike = StrikeAgainstPlayer(12, 10, 1, 2);
  EXPECT_EQ(strike.Difference, 2);
  EXPECT_EQ(strike.Wound, 3);
  EXPECT_EQ(EnemyStrikeText(strike, 2),
            Cz("Výsledný útok nepřítele je 12, tvá obrana je 10.\r\n"
               "Ztrácíš 3 životů. (12 útok +2 poškození -10 obrana -1 tvrdost)"));
}

TEST(EnemyStrikeText, AttackEqualToTheDefenceIsDodged) {
  const EnemyStrike strike = StrikeAgainstPlayer(10, 10, 0, 5);
  EXPECT_EQ(EnemyStrikeText(strike, 5), Cz("Výsledný útok nepřítele je 10, tvá obrana je 10.\r\n"
                                           "Úspěšně jsi uhnul!"));
}

TEST(EnemyStrikeText, HardnessCanStopTheWound) {
  const EnemyStrike strike = StrikeAgainstPlayer(11, 10, 4, -2);
  EXPECT_EQ(strike.Wound, -5);
  EXPECT_EQ(EnemyStrikeText(strike, -2),
            Cz("Výsledný útok nepřítele je 11, tvá obrana je 10.\r\n"
               "Neutrpěl jsi však žádné zranění! (11 útok +-2 poškození -10 obrana -4 tvrdost)"));
}

// An enemy written with "2000000000k6" used to roll two billion dice each
// round.
TEST(RollEnemyAttack, HugeDiceCountIsCapped) {
  SeededRandomSource random(7);
  Enemy enemy;
  enemy.AttackCount = 2000000000;
  enemy.AttackSides = 1;
  enemy.AttackBonus = 3;
  EXPECT_EQ(RollEnemyAttack(enemy, random), kMaxDiceCount + 3);
}

TEST(RollEnemyAttack, DiceOfOneSideAreTheirCountPlusTheBonus) {
  SeededRandomSource random(7);
  Enemy enemy;
  enemy.AttackCount = 3;
  enemy.AttackSides = 1;
  enemy.AttackBonus = -4;
  EXPECT_EQ(RollEnemyAttack(enemy, random), -1);
  enemy.AttackCount = 0;  // no dice at all: the bonus alone
  EXPECT_EQ(RollEnemyAttack(enemy, random), -4);
  enemy.AttackCount = 2;
  enemy.AttackSides = 0;  // a die without sides counts 1
  EXPECT_EQ(RollEnemyAttack(enemy, random), -2);
}

TEST(RollEnemyAttack, StaysWithinTheDice) {
  SeededRandomSource random(3);
  Enemy enemy;
  enemy.AttackCount = 2;
  enemy.AttackSides = 6;
  enemy.AttackBonus = 1;
  for (int i = 0; i < 200; ++i) {
    const int32_t roll = RollEnemyAttack(enemy, random);
    EXPECT_GE(roll, 3);
    EXPECT_LE(roll, 13);
  }
}

TEST(FillOutcomeText, ReplacesEveryPlaceholderEverywhere) {
  const OutcomeValues values{12, 4, 3, 1, -2};
  EXPECT_EQ(FillOutcomeText("#utok-#nobrana+#poskozeni-#ntvrdost=#zasah#radek#utok!", values),
            "12-4+3-1=-2\r\n12!");
  EXPECT_EQ(FillOutcomeText("#UTOK #zasa", values), "#UTOK #zasa");  // case-sensitive
  EXPECT_EQ(FillOutcomeText("", values), "");
}

TEST(FillOutcomeText, ResultMayOutgrowTheStoredText) {
  std::string text;
  for (int i = 0; i < 40; ++i) text += "#radek";  // 240 bytes
  EXPECT_EQ(FillOutcomeText(text, {}).size(), 80u);
  const OutcomeValues big{-2147483647, 0, 0, 0, 0};
  std::string many;
  for (int i = 0; i < 40; ++i) many += "#utok";  // 200 bytes
  EXPECT_EQ(FillOutcomeText(many, big).size(), 40u * 11u);
}

TEST(ValueLines, EnemyAttackCarriesTheBonusWithItsOwnSign) {
  Enemy enemy;
  enemy.AttackCount = 2;
  enemy.AttackSides = 6;
  enemy.AttackBonus = 1;
  EXPECT_EQ(EnemyAttackLine(enemy), "2k6+1");
  enemy.AttackCount = 1;
  enemy.AttackSides = 10;
  enemy.AttackBonus = -2;
  EXPECT_EQ(EnemyAttackLine(enemy), "1k10-2");
  enemy.AttackBonus = 0;
  EXPECT_EQ(EnemyAttackLine(enemy), "1k10+0");
  enemy.Lives = 15;
  enemy.MaxLives = 20;
  EXPECT_EQ(EnemyLivesLine(enemy), "15 / 20");
}

TEST(ValueLines, PlayerLinesAddTheFightBonuses) {
  GameState state;
  CharacterState& hero = state.Character;
  hero.ZIVOTY = 18;
  hero.MAXZIVOTY = 20;
  hero.MANA = 5;
  hero.MAXMANA = 5;
  hero.SILA = 3;
  hero.OBRATNOST = 2;
  hero.RYCHLOST = 3;
  hero.ENERGIE = 15;
  hero.CombatEnergy = 7;
  hero.CurrentWeapon.Dice = Dice{1, 6, 0};
  hero.CurrentWeapon.Damage = 2;
  hero.CurrentArmour.Defence = 3;
  hero.CurrentArmour.Toughness = 1;
  const FightLines lines = DrawAllLines(Enemy{}, state);
  EXPECT_EQ(lines.PlayerLives, "18 / 20");
  EXPECT_EQ(lines.PlayerMana, "5 / 5");
  EXPECT_EQ(lines.PlayerSpeed, "3");
  EXPECT_EQ(lines.PlayerEnergy, "7 / 15");
  EXPECT_EQ(lines.PlayerAttack, "1k6+3");
  EXPECT_EQ(lines.PlayerDefence, "5");
  EXPECT_EQ(lines.PlayerDamage, "2");
  EXPECT_EQ(lines.PlayerHardness, "1");

  state.Fight.maxzivoty = 4;
  state.Fight.maxmana = -1;
  state.Fight.rychlost = 2;
  state.Fight.utok = 1;
  state.Fight.obrana = 2;
  state.Fight.poskozeni = 3;
  state.Fight.tvrdost = 4;
  EXPECT_EQ(PlayerLivesLine(state), "18 / 24");
  EXPECT_EQ(PlayerManaLine(state), "5 / 4");
  EXPECT_EQ(PlayerSpeedLine(state), "5");
  EXPECT_EQ(PlayerAttackLine(state), "1k6+4");
  EXPECT_EQ(PlayerDefenceLine(state), "7");
  EXPECT_EQ(PlayerDamageLine(state), "5");
  EXPECT_EQ(PlayerHardnessLine(state), "5");
}

TEST(ValueLines, PlayerAttackWritesThePlusAlsoBeforeANegativeBonus) {
  GameState state;
  state.Character.CurrentWeapon.Dice = Dice{2, 6, 1};
  state.Character.SILA = 1;
  state.Character.CurrentArmour.AttackPenalty = 5;
  EXPECT_EQ(PlayerAttackLine(state), "2k6+-3");
}

TEST(ValueLines, FightMaximaDoNotWrap) {
  GameState state;
  state.Character.MAXZIVOTY = 2147483647;
  state.Fight.maxzivoty = 10;
  EXPECT_EQ(PlayerLivesLine(state), "0 / 2147483657");
}

TEST(ActionTexts, ItemCaptionCountsFromTwo) {
  Item item;
  item.Name = "Lektvar";
  item.Held = 3;
  EXPECT_EQ(ItemCaption(item), "Lektvar x 3");
  item.Held = 1;
  EXPECT_EQ(ItemCaption(item), "Lektvar");
}

TEST(ActionTexts, OnlyHeldItemsForTheFightAreOffered) {
  Item item;
  item.Held = 1;
  item.UseWord = "boj";
  EXPECT_TRUE(OfferedInFight(item));
  item.UseWord = "vzdy";
  EXPECT_TRUE(OfferedInFight(item));
  item.UseWord = "mimoboj";
  EXPECT_FALSE(OfferedInFight(item));
  item.UseWord = "jindy";
  EXPECT_FALSE(OfferedInFight(item));
  item.UseWord = "boj";
  item.Held = 0;
  EXPECT_FALSE(OfferedInFight(item));
}

TEST(ActionTexts, AttackRangesWithTheWeaponAtItsExtremes) {
  GameState state;
  state.Character.CurrentWeapon.Dice = Dice{2, 6, 1};
  state.Character.CurrentWeapon.Damage = 2;
  Attack attack;
  attack.AttackFormula = "#zbran";
  attack.DamageFormula = "#poskozeni";
  EXPECT_EQ(AttackRangeText(attack, state), Cz("Útok: 3 až 13\r\nPoškození: 2"));
  attack.EnergyCost = 8;
  attack.ManaCost = 0;
  EXPECT_EQ(EnergyCostText(attack), "Energie: 8");
  EXPECT_EQ(ManaCostText(attack), "Mana: 0");
  EXPECT_EQ(AttackRefusalText(attack), Cz("K provedení této akce je potřeba 8 energie a 0 many!"));
  Spell spell;
  spell.ManaCost = 3;
  EXPECT_EQ(SpellCostText(spell), Cz("Stojí: 3 many"));
}

}  // namespace
}  // namespace qv
