// Opening a fight: the enemy from the SOUBOJ attributes, the fight values and
// modifiers, both halves of the window, the energy, the list buttons and the
// attack labels.
#include <gtest/gtest.h>

#include <string>

#include "fight_fixture.h"

namespace qv {
namespace {

using FightOpen = FightFixture;

TEST_F(FightOpen, ReadsTheEnemyAndDrawsBothHalves) {
  WriteAttacks({AttackSpec{}});
  StartKnowing({1});
  FightWindow& f = OpenFight({{"JMENO", Cz("Skřítek")},
                              {"UTOK", "2k6+1"},
                              {"OBRANA", "4"},
                              {"TVRDOST", "1"},
                              {"ZIVOTY", "20"},
                              {"ZRANEN", "5"},
                              {"POSKOZENI", "2"},
                              {"XP", "7"}});
  const Enemy& e = Foe();
  EXPECT_EQ(e.Name, Cz("Skřítek"));
  EXPECT_EQ(e.AttackCount, 2);
  EXPECT_EQ(e.AttackSides, 6);
  EXPECT_EQ(e.AttackBonus, 1);
  EXPECT_EQ(e.Lives, 15);
  EXPECT_EQ(e.MaxLives, 20);
  EXPECT_EQ(e.Reward, 7);

  const FightLines& l = f.Lines;
  EXPECT_EQ(l.EnemyName, Cz("Skřítek"));
  EXPECT_EQ(l.EnemyLives, "15 / 20");
  EXPECT_EQ(l.EnemyAttack, "2k6+1");
  EXPECT_EQ(l.EnemyDefence, "4");
  EXPECT_EQ(l.EnemyDamage, "2");
  EXPECT_EQ(l.EnemyHardness, "1");
  EXPECT_EQ(l.PlayerName, "Hrdina");
  EXPECT_EQ(l.PlayerLives, "20 / 20");
  EXPECT_EQ(l.PlayerMana, "5 / 5");
  EXPECT_EQ(l.PlayerSpeed, "3");
  EXPECT_EQ(l.PlayerEnergy, "7 / 15");  // half of ENERGIE 15, rounded down
  EXPECT_EQ(l.PlayerAttack, "2k6+4");
  EXPECT_EQ(l.PlayerDefence, "5");
  EXPECT_EQ(l.PlayerDamage, "2");
  EXPECT_EQ(l.PlayerHardness, "1");

  EXPECT_EQ(Hero().CombatEnergy, 7);
  EXPECT_EQ(State().LastCombatResult, 1);  // the value while a fight is open
  EXPECT_FALSE(f.FightOver);
  EXPECT_FALSE(f.IsClosed());
  EXPECT_EQ(f.NoDeath, 0);
  EXPECT_TRUE(f.Summary1.empty());
  EXPECT_TRUE(f.Summary2.empty());
  EXPECT_TRUE(f.NoAttackNotice.empty());
  // 1024 x 768: centred on the game window, which fills the screen.
  EXPECT_EQ(f.Left, 512 - 341);
  EXPECT_EQ(f.Top, 384 - 300);
}

TEST_F(FightOpen, AttackWithoutBonusReadsPlusZeroAndNegativeBonusItsMinus) {
  StartKnowing({});
  EXPECT_EQ(OpenFight({{"UTOK", "1k6"}}).Lines.EnemyAttack, "1k6+0");
  EXPECT_EQ(Foe().AttackBonus, 0);
  EXPECT_EQ(OpenFight({{"UTOK", "1k10-2"}}).Lines.EnemyAttack, "1k10-2");
}

TEST_F(FightOpen, AttributesLeftOutKeepThePreviousFight) {
  StartKnowing({});
  OpenFight({{"JMENO", "Vlk"},
             {"UTOK", "1k6+2"},
             {"OBRANA", "3"},
             {"TVRDOST", "2"},
             {"ZIVOTY", "9"},
             {"POSKOZENI", "1"},
             {"XP", "4"}});
  Foe().Lives = 0;  // the wolf fell
  FightWindow& f = OpenFight({{"ZIVOTY", "12"}});
  EXPECT_EQ(f.Lines.EnemyName, "Vlk");
  EXPECT_EQ(f.Lines.EnemyAttack, "1k6+2");
  EXPECT_EQ(f.Lines.EnemyLives, "12 / 12");
  EXPECT_EQ(Foe().Defence, 3);
  EXPECT_EQ(Foe().Hardness, 2);
  EXPECT_EQ(Foe().Damage, 1);
  EXPECT_EQ(Foe().Reward, 4);
}

TEST_F(FightOpen, WoundedCountsFromTheMaximumKnownWhenItComes) {
  StartKnowing({});
  OpenFight({{"ZIVOTY", "20"}, {"ZRANEN", "5"}});
  EXPECT_EQ(Foe().Lives, 15);
  // ZIVOTY after ZRANEN heals the enemy again.
  OpenFight({{"ZRANEN", "5"}, {"ZIVOTY", "10"}});
  EXPECT_EQ(Foe().Lives, 10);
  EXPECT_EQ(Foe().MaxLives, 10);
}

TEST_F(FightOpen, NoNumberStopsBeforeTheWindowWithTheFightMarkedOpen) {
  StartKnowing({});
  State().LastCombatResult = 2;
  fight = std::make_unique<FightWindow>(State(), host, random, session->Files, Form().FightEnemy);
  EXPECT_THROW(fight->Open(std::vector<param>{{"OBRANA", "x"}}), ConversionError);
  EXPECT_EQ(State().LastCombatResult, 1);
}

TEST_F(FightOpen, ListsForbiddenByNeInAnyCaseAreGreyAndDoNothing) {
  WriteDataFile("predmety", Cz("1 \"Lektvar\" \"léčí\" 5, boj, zivoty+5;"));
  StartKnowing({});
  State().Items.at(1).Held = 1;
  FightWindow& f = OpenFight({{"KOUZLA", "ne"}, {"PREDMETY", "Ne"}});
  EXPECT_FALSE(f.SpellsAllowed);
  EXPECT_FALSE(f.ItemsAllowed);
  EXPECT_EQ(f.Predmety.FontColour, kFightGrey);
  EXPECT_FALSE(f.Predmety.HandCursor);
  EXPECT_EQ(f.Kouzla.FontColour, kFightGrey);
  f.PredmetyMouseEnter();
  EXPECT_TRUE(f.Popis_akce.empty());
  f.PredmetyClick();
  f.KouzlaClick();
  EXPECT_EQ(f.OpenList, UseList::None);
  EXPECT_FALSE(f.ListHeadingVisible);

  FightWindow& g = OpenFight({{"KOUZLA", "ano"}});
  EXPECT_TRUE(g.SpellsAllowed);
  EXPECT_TRUE(g.ItemsAllowed);
  EXPECT_EQ(g.Predmety.FontColour, kFightBlack);
  EXPECT_TRUE(g.Predmety.HandCursor);
  EXPECT_EQ(g.Predmety.Caption, Cz("Předměty"));
  EXPECT_EQ(g.Kouzla.Caption, "Kouzla");
}

TEST_F(FightOpen, ModifiersAreZeroedExceptThoseOfTheNextRound) {
  StartKnowing({});
  FightModifiers& m = State().Fight;
  m = FightModifiers{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  OpenFight({});
  EXPECT_EQ(m.utok, 0);
  EXPECT_EQ(m.obrana, 0);
  EXPECT_EQ(m.tentoobrana, 3);
  EXPECT_EQ(m.pristiobrana, 4);
  EXPECT_EQ(m.pristiutok, 5);
  EXPECT_EQ(m.tvrdost, 0);
  EXPECT_EQ(m.poskozeni, 0);
  EXPECT_EQ(m.maxmana, 0);
  EXPECT_EQ(m.maxzivoty, 0);
  EXPECT_EQ(m.rychlost, 0);
}

TEST_F(FightOpen, CountersOfTheLastFightStartAgain) {
  StartKnowing({});
  Hero().HitInCombat = 0x0301;
  Hero().SpellsInCombat = 4;
  Hero().ItemsInCombat = 2;
  OpenFight({});
  EXPECT_EQ(Hero().HitInCombat, 0x0300);  // only its low byte is the flag
  EXPECT_EQ(Hero().SpellsInCombat, 0);
  EXPECT_EQ(Hero().ItemsInCombat, 0);
}

TEST_F(FightOpen, CatalogLinesAreReadAgainWithTheCurrentValues) {
  AttackSpec attack;
  attack.Name = Cz("Úder $7");
  WriteAttacks({attack});
  StartKnowing({1});
  State().World.Variables.Set(7, 42);
  FightWindow& f = OpenFight({});
  ASSERT_EQ(f.ActionLabels.size(), 1u);
  EXPECT_EQ(f.ActionLabels[0].Caption, Cz("Úder 42"));
}

TEST_F(FightOpen, KnownAttacksGetLabelsFourToARowGreyWhenTheirConditionsFail) {
  std::vector<AttackSpec> attacks;
  for (int n = 1; n <= 7; ++n) {
    AttackSpec a;
    a.Number = n;
    a.Name = "A" + std::to_string(n);
    if (n == 6) a.Extras = ", [MANA 0 > \"10\"]";
    attacks.push_back(a);
  }
  WriteAttacks(attacks);
  StartKnowing({1, 2, 4, 5, 6, 7});  // 3 is not known
  FightWindow& f = OpenFight({});
  ASSERT_EQ(f.ActionLabels.size(), 6u);
  const int numbers[] = {1, 2, 4, 5, 6, 7};
  for (std::size_t i = 0; i < 6; ++i) {
    const TLELabel& label = f.ActionLabels[i];
    EXPECT_EQ(label.idx, numbers[i]);
    EXPECT_EQ(label.Caption, "A" + std::to_string(numbers[i]));
    EXPECT_EQ(label.Left, 18 + 100 * static_cast<int>(i % 4));
    EXPECT_EQ(label.Top, 280 + 17 * static_cast<int>(i / 4));
    EXPECT_TRUE(label.HandCursor);
    EXPECT_EQ(label.FontColour, numbers[i] == 6 ? kFightGrey : kFightBlack);
  }
}

TEST_F(FightOpen, EveryKnownAttackGetsALabelBeyondFifty) {
  std::vector<AttackSpec> attacks;
  for (int n = 1; n <= 64; ++n) {
    AttackSpec a;
    a.Number = n;
    a.Name = "A" + std::to_string(n);
    attacks.push_back(a);
  }
  WriteAttacks(attacks);
  StartKnowing({});
  for (int n = 1; n <= 64; ++n) State().Attacks.at(n).Known = 1;
  FightWindow& f = OpenFight({});
  ASSERT_EQ(f.ActionLabels.size(), 64u);
  EXPECT_EQ(f.ActionLabels[63].idx, 64);
  EXPECT_EQ(f.ActionLabels[63].Top, 280 + 17 * 15);
  // The last one can be played like the first.
  PlayAttack(63);
  EXPECT_FALSE(f.Summary1.empty());
  EXPECT_EQ(Foe().Lives, -15);
}

TEST_F(FightOpen, HeroWithoutAttacksIsToldSo) {
  WriteAttacks({AttackSpec{}});
  StartKnowing({});
  FightWindow& f = OpenFight({{"ZIVOTY", "5"}});
  EXPECT_TRUE(f.ActionLabels.empty());
  EXPECT_EQ(f.NoAttackNotice, Cz("Neznáš žádný útok!"));
  f.AttackClick();  // nothing under the mouse: nothing happens
  EXPECT_TRUE(f.Summary1.empty());
  EXPECT_EQ(Foe().Lives, 5);
}

}  // namespace
}  // namespace qv
