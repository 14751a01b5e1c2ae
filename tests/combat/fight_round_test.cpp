// Rounds of the fight with fixed dice (dice of one side): the enemy's strike,
// the player's strike and its outcome texts, costs, the refill, the end of
// the fight and VYSLEDEKSOUBOJE.
#include <gtest/gtest.h>

#include <string>

#include "fight_fixture.h"

namespace qv {
namespace {

using FightRound = FightFixture;

// Výsledný útok nepřítele je A, tvá obrana je D.
std::string EnemyAttackLine(int a, int d) {
  return Cz("Výsledný útok nepřítele je ") + std::to_string(a) + Cz(", tvá obrana je ") +
         std::to_string(d) + ".\r\n";
}
const std::string kDodged = Cz("Úspěšně jsi uhnul!");
const std::string kDefeated = Cz("NEPŘÍTEL JE PORAŽEN!");

TEST_F(FightRound, EnemyWoundsFirstThenThePlayerHits) {
  WriteAttacks({AttackSpec{}});
  StartKnowing({1});
  Hero().OBRATNOST = 7;  // defence 3 + 7 = 10
  FightWindow& f = OpenFight({{"UTOK", "1k1+11"},
                              {"POSKOZENI", "2"},
                              {"OBRANA", "4"},
                              {"TVRDOST", "1"},
                              {"ZIVOTY", "30"}});
  PlayAttack(0);
  EXPECT_EQ(f.Summary1,
            EnemyAttackLine(12, 10) + Cz("Ztrácíš 3 životů. (12 útok +2 poškození -10 obrana "
                                         "-1 tvrdost)"));
  EXPECT_EQ(Hero().ZIVOTY, 17);
  EXPECT_EQ(Hero().HitInCombat & 0xFF, 1);
  EXPECT_EQ(f.Lines.PlayerLives, "17 / 20");
  // 12 - 4 + 3 - 1 = 10
  EXPECT_EQ(f.Summary2, Cz("Zásah za 10."));
  EXPECT_EQ(f.Summary2Colour, kFightLime);
  EXPECT_EQ(Foe().Lives, 20);
  EXPECT_EQ(f.Lines.EnemyLives, "20 / 30");
  EXPECT_EQ(f.Outcome.Attack, 12);
  EXPECT_EQ(f.Outcome.EnemyDefence, 4);
  EXPECT_EQ(f.Outcome.Damage, 3);
  EXPECT_EQ(f.Outcome.EnemyHardness, 1);
  EXPECT_EQ(f.Outcome.Hit, 10);
  EXPECT_EQ(Hero().CombatEnergy, 10);  // 7 + speed 3
  EXPECT_EQ(f.Lines.PlayerEnergy, "10 / 15");
  EXPECT_FALSE(f.IsClosed());
  EXPECT_EQ(State().LastCombatResult, 1);
}

TEST_F(FightRound, AttackEqualToTheDefenceIsDodgedAndLeavesNoHit) {
  WriteAttacks({AttackSpec{}});
  StartKnowing({1});
  FightWindow& f = OpenFight({{"UTOK", "1k1+4"}, {"POSKOZENI", "9"}, {"ZIVOTY", "30"}});
  PlayAttack(0);
  EXPECT_EQ(f.Summary1, EnemyAttackLine(5, 5) + kDodged);
  EXPECT_EQ(Hero().ZIVOTY, 20);
  EXPECT_EQ(Hero().HitInCombat & 0xFF, 0);
}

TEST_F(FightRound, HardnessStopsAWoundThatGetsThrough) {
  WriteAttacks({AttackSpec{}});
  StartKnowing({1});
  FightWindow& f = OpenFight({{"UTOK", "1k1+5"}, {"POSKOZENI", "0"}, {"ZIVOTY", "30"}});
  PlayAttack(0);
  EXPECT_EQ(f.Summary1, EnemyAttackLine(6, 5) +
                            Cz("Neutrpěl jsi však žádné zranění! (6 útok +0 poškození -5 obrana -1 "
                               "tvrdost)"));
  EXPECT_EQ(Hero().ZIVOTY, 20);
  EXPECT_EQ(Hero().HitInCombat & 0xFF, 0);
}

TEST_F(FightRound, BeatenDefenceWithoutDamageShowsTheNegativeHitAndAppliesTheHitList) {
  AttackSpec a;
  a.AttackFormula = "5";
  a.DamageFormula = "0";
  a.Extras = ", :nutok-1, !energie+9";
  WriteAttacks({a});
  StartKnowing({1});
  FightWindow& f =
      OpenFight({{"UTOK", "1k1+0"}, {"OBRANA", "4"}, {"TVRDOST", "3"}, {"ZIVOTY", "9"}});
  PlayAttack(0);
  // 5 - 4 + 0 - 3 = -2
  EXPECT_EQ(f.Summary2, Cz("Bez účinku (-2).\r\nNepříteli se snížil útok o 1\r\n"));
  EXPECT_EQ(Foe().Lives, 9);
  EXPECT_EQ(Foe().AttackBonus, -1);
  EXPECT_EQ(f.Lines.EnemyAttack, "1k1-1");
  EXPECT_EQ(Hero().CombatEnergy, 10);  // the miss list did not run
}

TEST_F(FightRound, MissShowsTheMissTextAndAppliesOnlyTheMissList) {
  AttackSpec a;
  a.AttackFormula = "4";
  a.Miss = "Vedle o #utok/#nobrana";
  a.Extras = ", :nzivoty-5, !energie+2";
  WriteAttacks({a});
  StartKnowing({1});
  FightWindow& f = OpenFight({{"UTOK", "1k1+0"}, {"OBRANA", "4"}, {"ZIVOTY", "9"}});
  PlayAttack(0);
  EXPECT_EQ(f.Summary2, Cz("Vedle o 4/4\r\nTvá energie se zvýšila o 2\r\n"));
  EXPECT_EQ(Foe().Lives, 9);
  EXPECT_EQ(Hero().CombatEnergy, 12);  // 7 + 2, then the refill of 3
}

TEST_F(FightRound, CostsArePaidAfterTheStrikeAndTheRefillStopsAtEnergie) {
  AttackSpec a;
  a.Energy = 2;
  a.Mana = 1;
  WriteAttacks({a});
  StartKnowing({1});
  FightWindow& f = OpenFight({{"UTOK", "1k1+0"}, {"ZIVOTY", "90"}});
  PlayAttack(0);
  EXPECT_EQ(Hero().CombatEnergy, 8);  // 7 - 2 + 3
  EXPECT_EQ(Hero().MANA, 4);
  EXPECT_EQ(f.Lines.PlayerMana, "4 / 5");
  Hero().CombatEnergy = 14;
  PlayAttack(0);
  EXPECT_EQ(Hero().CombatEnergy, 15);
  EXPECT_EQ(f.Lines.PlayerEnergy, "15 / 15");
}

TEST_F(FightRound, SpeedBonusOfTheFightAddsToTheRefill) {
  WriteAttacks({AttackSpec{}});
  StartKnowing({1});
  FightWindow& f = OpenFight({{"UTOK", "1k1+0"}, {"ZIVOTY", "90"}});
  State().Fight.rychlost = 2;
  PlayAttack(0);
  EXPECT_EQ(Hero().CombatEnergy, 12);
  EXPECT_EQ(f.Lines.PlayerEnergy, "12 / 15");
}

TEST_F(FightRound, NextRoundBonusesCountOnceAndOnlyForAStrikeAboveZero) {
  AttackSpec a;
  a.Hit = "#utok";
  a.NoDamage = "#utok";
  a.Miss = "#utok";
  WriteAttacks({a});
  StartKnowing({1});
  FightWindow& f = OpenFight({{"UTOK", "1k1+7"}, {"ZIVOTY", "90"}});
  State().Fight.pristiutok = 5;
  State().Fight.pristiobrana = 3;
  PlayAttack(0);
  EXPECT_EQ(f.Summary2, "17");
  EXPECT_EQ(f.Summary1, EnemyAttackLine(8, 8) + kDodged);
  EXPECT_EQ(State().Fight.pristiutok, 0);
  EXPECT_EQ(State().Fight.pristiobrana, 0);
  PlayAttack(0);
  EXPECT_EQ(f.Summary2, "12");
  EXPECT_EQ(f.Summary1.substr(0, EnemyAttackLine(8, 5).size()), EnemyAttackLine(8, 5));
}

TEST_F(FightRound, NextRoundAttackBonusSkipsAStrikeOfZero) {
  AttackSpec a;
  a.AttackFormula = "0";
  a.Miss = "#utok";
  WriteAttacks({a});
  StartKnowing({1});
  FightWindow& f = OpenFight({{"UTOK", "1k1+0"}, {"ZIVOTY", "90"}});
  State().Fight.pristiutok = 5;
  PlayAttack(0);
  EXPECT_EQ(f.Summary2, "0");
  EXPECT_EQ(State().Fight.pristiutok, 0);
}

TEST_F(FightRound, ThisRoundDefenceComesFromTheAttacksOwnPlainList) {
  AttackSpec up;
  up.Extras = ", tentoobrana+3";
  AttackSpec down;
  down.Number = 2;
  down.Extras = ", tentoobrana=2";  // any sign but "+" lowers
  WriteAttacks({up, down});
  StartKnowing({1, 2});
  FightWindow& f = OpenFight({{"UTOK", "1k1+7"}, {"ZIVOTY", "90"}});
  State().Fight.tentoobrana = 4;  // set earlier (by an item): not counted
  PlayAttack(0);
  EXPECT_EQ(f.Summary1, EnemyAttackLine(8, 8) + kDodged);
  EXPECT_EQ(f.Summary2, Cz("Zásah za 15.\r\nV tomto kole byla tvá obrana vyšší o 3\r\n"));
  EXPECT_EQ(State().Fight.tentoobrana, 3);  // left by the effect, cleared next round
  PlayAttack(1);
  EXPECT_EQ(f.Summary1.substr(0, EnemyAttackLine(8, 3).size()), EnemyAttackLine(8, 3));
  EXPECT_EQ(State().Fight.tentoobrana, 0);
}

TEST_F(FightRound, StartingARoundClosesTheOpenListAndShowsTheListButtons) {
  WriteAttacks({AttackSpec{}});
  WriteDataFile("predmety", Cz("1 \"Lektvar\" \"léčí\" 5, boj, zivoty+5;"));
  StartKnowing({1});
  State().Items.at(1).Held = 2;
  FightWindow& f = OpenFight({{"UTOK", "1k1+0"}, {"ZIVOTY", "90"}});
  f.PredmetyClick();
  ASSERT_EQ(f.UseLabels.size(), 1u);
  EXPECT_TRUE(f.ListHeadingVisible);
  PlayAttack(0);
  EXPECT_TRUE(f.UseLabels.empty());
  EXPECT_EQ(f.OpenList, UseList::None);
  EXPECT_FALSE(f.ListHeadingVisible);
  EXPECT_TRUE(f.Predmety.Visible);
  EXPECT_TRUE(f.Kouzla.Visible);
}

TEST_F(FightRound, DefeatedEnemyEndsTheFightWithItsReward) {
  WriteAttacks({AttackSpec{}});
  StartKnowing({1});
  Hero().ZKUSENOSTI = 5;
  FightWindow& f = OpenFight({{"UTOK", "1k1+0"}, {"ZIVOTY", "10"}, {"XP", "7"}});
  PlayAttack(0);
  EXPECT_EQ(f.Summary2, kDefeated);
  EXPECT_TRUE(f.FightOver);
  EXPECT_TRUE(f.IsClosed());
  EXPECT_EQ(Hero().ZKUSENOSTI, 12);
  EXPECT_EQ(State().LastCombatResult, 2);
  EXPECT_EQ(f.Lines.EnemyLives, "-5 / 10");
  // The picture closes a finished fight; further clicks change nothing.
  f.BackgroundClick();
  f.AttackClick();
  EXPECT_EQ(Hero().ZKUSENOSTI, 12);
}

TEST_F(FightRound, RewardIsGivenOnceWhenAnEffectAndTheRoundEndFindTheEnemyDefeated) {
  AttackSpec a;
  a.AttackFormula = "5";
  a.DamageFormula = "0";
  a.Extras = ", :nzivoty-5";
  WriteAttacks({a});
  StartKnowing({1});
  FightWindow& f = OpenFight(
      {{"UTOK", "1k1+0"}, {"OBRANA", "4"}, {"TVRDOST", "10"}, {"ZIVOTY", "3"}, {"XP", "7"}});
  PlayAttack(0);
  EXPECT_EQ(Hero().ZKUSENOSTI, 7);
  EXPECT_EQ(Foe().Lives, -2);
  EXPECT_TRUE(f.FightOver);
  EXPECT_EQ(f.Summary2, kDefeated);
  EXPECT_EQ(State().LastCombatResult, 2);
}

TEST_F(FightRound, HeroKilledFirstDiesEvenWhenHisStrikeDefeatsTheEnemy) {
  WriteAttacks({AttackSpec{}});
  StartKnowing({1});
  Hero().ZIVOTY = 3;
  FightWindow& f = OpenFight({{"UTOK", "1k1+19"}, {"ZIVOTY", "5"}, {"XP", "7"}});
  PlayAttack(0);
  EXPECT_EQ(Hero().ZIVOTY, -11);  // 20 - 5 defence - 1 hardness = 14
  EXPECT_TRUE(f.FightOver);
  EXPECT_EQ(Hero().ZKUSENOSTI, 7);
  EXPECT_EQ(State().LastCombatResult, 1);
  EXPECT_EQ(host.death_windows, 1);
}

TEST_F(FightRound, OrdinaryFightLostOpensTheDeathWindow) {
  WriteAttacks({AttackSpec{}});
  StartKnowing({1});
  Hero().ZIVOTY = 3;
  FightWindow& f = OpenFight({{"UTOK", "1k1+19"}, {"ZIVOTY", "50"}});
  PlayAttack(0);
  EXPECT_EQ(host.death_windows, 1);
  EXPECT_FALSE(f.FightOver);
  // Nothing of the game runs after it.
  f.AttackClick();
  EXPECT_EQ(Foe().Lives, 35);
  EXPECT_EQ(host.death_windows, 1);
}

TEST_F(FightRound, NoDeathFightInWhichBothFallEndsWithOne) {
  WriteAttacks({AttackSpec{}});
  StartKnowing({1});
  Hero().ZIVOTY = 3;
  FightWindow& f = OpenFight({{"UTOK", "1k1+19"}, {"ZIVOTY", "5"}, {"XP", "7"}, {"NEUMIREJ", "1"}});
  PlayAttack(0);
  EXPECT_EQ(host.death_windows, 0);
  EXPECT_TRUE(f.IsClosed());
  EXPECT_TRUE(f.FightOver);
  EXPECT_EQ(State().LastCombatResult, 1);
  EXPECT_EQ(Hero().ZKUSENOSTI, 7);
  EXPECT_EQ(Hero().ZIVOTY, -11);  // the interpreter gives back one life
}

TEST_F(FightRound, NoDeathFightLostEndsWithZeroAndNoReward) {
  WriteAttacks({AttackSpec{}});
  StartKnowing({1});
  Hero().ZIVOTY = 3;
  FightWindow& f =
      OpenFight({{"UTOK", "1k1+19"}, {"ZIVOTY", "50"}, {"XP", "7"}, {"NEUMIREJ", "2"}});
  PlayAttack(0);
  EXPECT_EQ(host.death_windows, 0);
  EXPECT_TRUE(f.IsClosed());
  EXPECT_FALSE(f.FightOver);
  EXPECT_EQ(State().LastCombatResult, 0);
  EXPECT_EQ(Hero().ZKUSENOSTI, 0);
}

TEST_F(FightRound, NegativeNoDeathNeitherKillsNorCloses) {
  WriteAttacks({AttackSpec{}});
  StartKnowing({1});
  Hero().ZIVOTY = 3;
  FightWindow& f = OpenFight({{"UTOK", "1k1+19"}, {"ZIVOTY", "50"}, {"NEUMIREJ", "-1"}});
  PlayAttack(0);
  EXPECT_EQ(host.death_windows, 0);
  EXPECT_FALSE(f.IsClosed());
  EXPECT_EQ(State().LastCombatResult, 1);
  Hero().ZIVOTY = 40;  // and no cap at the round's end either
  PlayAttack(0);
  EXPECT_EQ(Hero().ZIVOTY, 26);
}

TEST_F(FightRound, OrdinaryRoundCapsLivesAtTheFightMaximum) {
  WriteAttacks({AttackSpec{}});
  StartKnowing({1});
  Hero().ZIVOTY = 25;
  OpenFight({{"UTOK", "1k1+0"}, {"ZIVOTY", "90"}});
  State().Fight.maxzivoty = 2;
  PlayAttack(0);
  EXPECT_EQ(Hero().ZIVOTY, 22);
}

}  // namespace
}  // namespace qv
