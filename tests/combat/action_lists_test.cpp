// The player's actions in the fight: hovering and clicking attacks (with
// their refusals), the item and the spell list, one use or cast per round,
// and the recolouring after every action.
#include <gtest/gtest.h>

#include <string>

#include "fight_fixture.h"

namespace qv {
namespace {

// Wrapped at 33.
const std::string kMaxLivesUnmet = Cz("Nutno: Max. životů je větší nebo \r\nrovno 100\r\n");
const std::string kManaUnmet = Cz("Nutno: Mana je větší 10\r\n");

class FightActions : public FightFixture {
 protected:
  void WriteItems() {
    WriteDataFile("predmety",
                  Cz("1 \"Lektvar\" \"Léčivý lektvar\" 5, boj, zivoty+5, nzivoty-1;\r\n"
                     "2 \"Svitek\" \"Starý svitek\" 3, vzdy, nzivoty-2, [MAXZIVOTY 0 >= "
                     "\"100\"];\r\n"
                     "3 \"Kámen\" \"k\" 1, mimoboj, nzivoty-1;\r\n"
                     "4 \"Prázdný\" \"x\" 1, boj, zivoty+1;\r\n"));
  }
  void WriteSpells() {
    WriteDataFile("kouzla", Cz("1 \"Blesk\" \"Blesk z nebe\" 3, nzivoty-4, promenna7+1;\r\n"
                               "2 \"Oheň\" \"o\" 9, nzivoty-9;\r\n"
                               "3 \"Mráz\" \"m\" 1, nzivoty-1;\r\n"
                               "4 \"Clona\" \"c\" 0, obrana+1, [MANA 0 > \"10\"];\r\n"));
  }
  FightWindow& OpenWithEverything() {
    WriteItems();
    WriteSpells();
    AttackSpec a;
    a.AttackFormula = "#zbran";
    a.DamageFormula = "#poskozeni";
    a.Energy = 2;
    a.Mana = 1;
    a.Description = Cz("Silný úder celou vahou těla, který prorazi i pevnou obranu soupere.");
    AttackSpec b;
    b.Number = 2;
    b.Name = "Kop";
    b.Energy = 8;
    b.Extras = ", [MAXZIVOTY 0 >= \"100\"]";
    AttackSpec c;
    c.Number = 3;
    c.Name = Cz("Kouzelný úder");
    c.Mana = 10;
    WriteAttacks({a, b, c});
    StartKnowing({1, 2, 3});
    State().Items.at(1).Held = 3;
    State().Items.at(2).Held = 1;
    State().Items.at(3).Held = 2;
    State().Spells.at(1).Known = 1;
    State().Spells.at(2).Known = 1;
    State().Spells.at(4).Known = 1;
    return OpenFight({{"UTOK", "1k1+0"}, {"ZIVOTY", "40"}, {"XP", "3"}});
  }
};

// --- Attacks -------------------------------------------------------------------

TEST_F(FightActions, HoveringAnAttackDescribesItsRangesCostsAndConditions) {
  FightWindow& f = OpenWithEverything();
  f.AttackMouseEnter(0);
  EXPECT_EQ(f.Hover.HoveredIndex, 1);
  EXPECT_TRUE(f.ActionLabels[0].Underlined);
  EXPECT_EQ(f.Popis_akce,
            Cz("Silný úder celou vahou těla, který prorazi i pevnou \r\nobranu soupere."));
  EXPECT_EQ(f.Popis_akce_cost, Cz("Útok: 3 až 13\r\nPoškození: 2"));
  EXPECT_EQ(f.EnergyCostLine, "Energie: 2");
  EXPECT_EQ(f.ManaCostLine, "Mana: 1");
  EXPECT_TRUE(f.CostLabelsVisible);
  EXPECT_EQ(f.Summary3, "");

  f.LabelMouseLeave();
  EXPECT_EQ(f.Hover.HoveredIndex, 0);
  EXPECT_FALSE(f.ActionLabels[0].Underlined);
  f.AttackMouseEnter(1);
  EXPECT_EQ(f.Popis_akce_cost, Cz("Útok: 12\r\nPoškození: 3"));
  EXPECT_EQ(f.Summary3, kMaxLivesUnmet + Cz("Nesplněny podmínky akce !\r\n"));

  // Moving over the picture takes the hint away.
  f.BackgroundMouseMove();
  EXPECT_FALSE(f.CostLabelsVisible);
  EXPECT_EQ(f.Summary3, "");
  EXPECT_EQ(f.Popis_akce, "");
  EXPECT_EQ(f.Popis_akce_cost, "");
}

TEST_F(FightActions, UnmetConditionsRefuseTheAttack) {
  FightWindow& f = OpenWithEverything();
  f.Summary2 = Cz("stará zpráva");
  PlayAttack(1);
  EXPECT_EQ(f.Summary1, kMaxLivesUnmet + Cz("Nesplněny podmínky akce !\r\n"));
  EXPECT_EQ(f.Summary2, "");
  EXPECT_EQ(Foe().Lives, 40);
  EXPECT_EQ(Hero().CombatEnergy, 7);
}

TEST_F(FightActions, TooLittleEnergyRefusesTheAttack) {
  FightWindow& f = OpenWithEverything();
  Hero().MAXZIVOTY = 100;
  Hero().CombatEnergy = 5;
  PlayAttack(1);
  EXPECT_EQ(f.Summary1, Cz("K provedení této akce je potřeba 8 energie a 0 many!"));
  EXPECT_EQ(f.Summary2, "");
  EXPECT_EQ(Foe().Lives, 40);
  EXPECT_EQ(Hero().CombatEnergy, 5);
}

TEST_F(FightActions, TooLittleManaRefusesTheAttack) {
  FightWindow& f = OpenWithEverything();
  PlayAttack(2);
  EXPECT_EQ(f.Summary1, Cz("K provedení této akce je potřeba 0 energie a 10 many!"));
  EXPECT_EQ(Foe().Lives, 40);
}

TEST_F(FightActions, FreeAttackIsPlayedAtZeroEnergy) {
  AttackSpec a;
  WriteAttacks({a});
  StartKnowing({1});
  FightWindow& f = OpenFight({{"UTOK", "1k1+0"}, {"ZIVOTY", "40"}});
  Hero().CombatEnergy = 0;
  Hero().MANA = 0;
  PlayAttack(0);
  EXPECT_EQ(Foe().Lives, 25);
  EXPECT_EQ(Hero().CombatEnergy, 3);
  EXPECT_EQ(f.Summary2, Cz("Zásah za 15."));
}

TEST_F(FightActions, ClickWithNothingUnderTheMouseDoesNothing) {
  FightWindow& f = OpenWithEverything();
  f.AttackMouseEnter(0);
  f.LabelMouseLeave();
  f.Summary1 = "x";
  f.AttackClick();
  EXPECT_EQ(f.Summary1, "x");
  EXPECT_EQ(Foe().Lives, 40);
}

TEST_F(FightActions, AttackLabelsAreRecolouredAfterEveryRound) {
  AttackSpec a;
  a.Extras = ", promenna9+1";
  AttackSpec b;
  b.Number = 2;
  b.Extras = ", [9 = \"1\"]";
  WriteAttacks({a, b});
  StartKnowing({1, 2});
  FightWindow& f = OpenFight({{"UTOK", "1k1+0"}, {"ZIVOTY", "90"}});
  EXPECT_EQ(f.ActionLabels[1].FontColour, kFightGrey);
  PlayAttack(0);
  EXPECT_EQ(State().World.Variables.Get(9), 1);
  EXPECT_EQ(f.ActionLabels[1].FontColour, kFightBlack);
  PlayAttack(0);
  EXPECT_EQ(f.ActionLabels[1].FontColour, kFightGrey);
}

TEST_F(FightActions, ConditionThatIsNoNumberShowsTheMessageAndKeepsTheWindow) {
  WriteAttacks({AttackSpec{}});
  StartKnowing({1});
  FightWindow& f = OpenFight({{"UTOK", "1k1+0"}, {"ZIVOTY", "90"}});
  Attack& attack = State().Attacks.at(1);
  attack.ConditionCount = 1;
  attack.Conditions[0].Subject = "x";
  f.AttackMouseEnter(0);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], "'x' is not a valid integer value");
  f.AttackClick();
  EXPECT_EQ(host.messages.size(), 2u);
  EXPECT_FALSE(f.IsClosed());
  EXPECT_EQ(Foe().Lives, 90);
}

// --- Items ----------------------------------------------------------------------

TEST_F(FightActions, ItemListOffersHeldItemsForTheFight) {
  FightWindow& f = OpenWithEverything();
  f.PredmetyMouseEnter();
  EXPECT_EQ(f.Popis_akce, Cz("Použít předmět"));
  f.PredmetyClick();
  EXPECT_EQ(f.OpenList, UseList::Items);
  EXPECT_TRUE(f.ListHeadingVisible);
  ASSERT_EQ(f.UseLabels.size(), 2u);
  EXPECT_EQ(f.UseLabels[0].Caption, "Lektvar x 3");
  EXPECT_EQ(f.UseLabels[0].idx, 1);
  EXPECT_EQ(f.UseLabels[0].FontColour, kFightWhite);
  EXPECT_EQ(f.UseLabels[0].Left, 419);
  EXPECT_EQ(f.UseLabels[0].Top, 40);
  EXPECT_EQ(f.UseLabels[0].Barva1, kFightMaroon);
  EXPECT_EQ(f.UseLabels[0].Barva2, kFightBlack);
  EXPECT_EQ(f.UseLabels[1].Caption, "Svitek");
  EXPECT_EQ(f.UseLabels[1].FontColour, kFightYellow);
  EXPECT_EQ(f.UseLabels[1].Top, 60);

  f.UseLabelMouseEnter(1);
  EXPECT_EQ(f.UseLabels[1].Background, kFightMaroon);
  EXPECT_EQ(f.Popis_akce, Cz("Starý svitek"));
  EXPECT_EQ(f.Summary3, kMaxLivesUnmet + Cz("Nesplněny podmínky použití !\r\n"));
  f.LabelMouseLeave();
  EXPECT_EQ(f.UseLabels[1].Background, kFightBlack);
  f.PanelMouseMove();
  EXPECT_EQ(f.Summary3, "");
}

TEST_F(FightActions, UsingAnItemAppliesItsEffectsAndHidesTheListsUntilTheNextRound) {
  FightWindow& f = OpenWithEverything();
  Hero().ZIVOTY = 12;
  UseItem(0);
  EXPECT_EQ(State().Items.at(1).Held, 2);
  EXPECT_EQ(Hero().ItemsInCombat, 1);
  EXPECT_EQ(Hero().ZIVOTY, 17);
  EXPECT_EQ(Foe().Lives, 39);
  EXPECT_EQ(f.Summary2Colour, kFightWhite);
  EXPECT_EQ(f.Summary2, Cz("Vyléčil sis 5 životy\r\n\r\nNepřítel ztratil 1 životů\r\n"));
  EXPECT_EQ(f.Summary1, "");
  EXPECT_TRUE(f.UseLabels.empty());
  EXPECT_EQ(f.OpenList, UseList::None);
  EXPECT_FALSE(f.Predmety.Visible);
  EXPECT_FALSE(f.Kouzla.Visible);
  EXPECT_FALSE(f.ListHeadingVisible);

  PlayAttack(0);
  EXPECT_TRUE(f.Predmety.Visible);
  EXPECT_TRUE(f.Kouzla.Visible);
  EXPECT_EQ(f.Summary2Colour, kFightLime);
  UseItem(0);
  EXPECT_EQ(State().Items.at(1).Held, 1);
  EXPECT_EQ(Hero().ItemsInCombat, 2);
}

TEST_F(FightActions, ItemWithUnmetConditionsIsNotUsed) {
  FightWindow& f = OpenWithEverything();
  UseItem(1);
  EXPECT_EQ(f.Summary1, kMaxLivesUnmet + Cz("Nesplněny podmínky použití!\r\n"));
  EXPECT_EQ(State().Items.at(2).Held, 1);
  EXPECT_EQ(Hero().ItemsInCombat, 0);
  EXPECT_EQ(Foe().Lives, 40);
  EXPECT_TRUE(f.Predmety.Visible);
  EXPECT_EQ(f.UseLabels.size(), 2u);  // the list stays open
}

TEST_F(FightActions, ItemThatDefeatsTheEnemyEndsTheFight) {
  FightWindow& f = OpenWithEverything();
  Foe().Lives = 1;
  UseItem(0);
  EXPECT_TRUE(f.FightOver);
  EXPECT_TRUE(f.IsClosed());
  EXPECT_EQ(State().LastCombatResult, 2);
  EXPECT_EQ(Hero().ZKUSENOSTI, 3);
}

TEST_F(FightActions, ItemThatKillsTheHeroEndsTheGameInANoDeathFightToo) {
  WriteDataFile("predmety", "1 \"Jed\" \"j\" 5, boj, zivoty-30, nzivoty-100;");
  StartKnowing({});
  State().Items.at(1).Held = 1;
  FightWindow& f = OpenFight({{"ZIVOTY", "40"}, {"XP", "3"}, {"NEUMIREJ", "1"}});
  UseItem(0);
  EXPECT_EQ(host.death_windows, 1);
  EXPECT_EQ(Foe().Lives, 40);  // nothing after the death ran
  EXPECT_FALSE(f.FightOver);
}

TEST_F(FightActions, EveryUsableItemIsListedBeyondTwenty) {
  std::string text;
  for (int n = 1; n <= 30; ++n) {
    text += std::to_string(n) + " \"P" + std::to_string(n) + "\" \"p\" 1, boj, zivoty+1;\r\n";
  }
  WriteDataFile("predmety", text);
  StartKnowing({});
  for (int n = 1; n <= 30; ++n) State().Items.at(n).Held = 1;
  FightWindow& f = OpenFight({{"ZIVOTY", "5"}});
  f.PredmetyClick();
  ASSERT_EQ(f.UseLabels.size(), 30u);
  EXPECT_EQ(f.UseLabels[29].Caption, "P30");
  EXPECT_EQ(f.UseLabels[29].Top, 40 + 20 * 29);
  f.UseLabelMouseEnter(29);
  f.UseLabelClick();
  EXPECT_EQ(State().Items.at(30).Held, 0);
}

// --- Spells ---------------------------------------------------------------------

TEST_F(FightActions, SpellListOffersKnownSpellsYellowWhenTheyCannotBeCast) {
  FightWindow& f = OpenWithEverything();
  f.KouzlaMouseEnter();
  EXPECT_EQ(f.Popis_akce, "Seslat kouzlo");
  f.KouzlaClick();
  EXPECT_EQ(f.OpenList, UseList::Spells);
  ASSERT_EQ(f.UseLabels.size(), 3u);
  EXPECT_EQ(f.UseLabels[0].Caption, "Blesk");
  EXPECT_EQ(f.UseLabels[0].FontColour, kFightWhite);
  EXPECT_EQ(f.UseLabels[1].Caption, Cz("Oheň"));
  EXPECT_EQ(f.UseLabels[1].FontColour, kFightYellow);  // costs 9 of 5 mana
  EXPECT_EQ(f.UseLabels[2].idx, 4);
  EXPECT_EQ(f.UseLabels[2].FontColour, kFightYellow);  // its condition fails

  f.UseLabelMouseEnter(0);
  EXPECT_EQ(f.Popis_akce, "Blesk z nebe");
  EXPECT_EQ(f.Popis_akce_cost, Cz("Stojí: 3 many"));
  EXPECT_EQ(f.Popis_akce_costColour, kFightBlue);
  EXPECT_EQ(f.Summary3, "");
  f.LabelMouseLeave();
  f.UseLabelMouseEnter(2);
  EXPECT_EQ(f.Summary3, kManaUnmet + Cz("Nesplněny podmínky seslání !\r\n"));
  f.BackgroundMouseMove();
  EXPECT_EQ(f.Popis_akce_costColour, kFightPurple);
}

TEST_F(FightActions, CastingPaysManaAppliesTheEffectsAndHidesTheLists) {
  FightWindow& f = OpenWithEverything();
  State().World.ReportChanges = 1;
  CastSpell(0);
  EXPECT_EQ(Hero().MANA, 2);
  EXPECT_EQ(Hero().SpellsInCombat, 1);
  EXPECT_EQ(Foe().Lives, 36);
  EXPECT_EQ(f.Summary2, Cz("Nepřítel ztratil 4 životů\r\n\r\n(d.) Proměnná $7 se "
                           "zvýšila o 1 na 1\r\n"));
  EXPECT_EQ(f.Summary2Colour, kFightWhite);
  EXPECT_EQ(f.Lines.PlayerMana, "2 / 5");
  EXPECT_FALSE(f.Predmety.Visible);
  EXPECT_FALSE(f.Kouzla.Visible);
  EXPECT_TRUE(f.UseLabels.empty());
}

TEST_F(FightActions, ManaLineAfterACastCountsAgainstMaxmanaAlone) {
  FightWindow& f = OpenWithEverything();
  State().Fight.maxmana = 4;
  CastSpell(0);
  EXPECT_EQ(f.Lines.PlayerMana, "2 / 5");
}

TEST_F(FightActions, TooLittleManaRefusesTheSpell) {
  FightWindow& f = OpenWithEverything();
  CastSpell(1);
  EXPECT_EQ(f.Summary1, "Nedostatek many!\r\n");
  EXPECT_EQ(Hero().MANA, 5);
  EXPECT_EQ(Hero().SpellsInCombat, 0);
  EXPECT_EQ(Foe().Lives, 40);
  EXPECT_TRUE(f.Kouzla.Visible);
}

TEST_F(FightActions, UnmetSpellConditionsAndTooLittleManaAreBothShown) {
  FightWindow& f = OpenWithEverything();
  State().Spells.at(4).ManaCost = 7;
  f.KouzlaClick();
  f.UseLabelMouseEnter(2);
  f.UseLabelClick();
  EXPECT_EQ(f.Summary1,
            kManaUnmet + Cz("Nesplněny podmínky seslání !\r\n") + "Nedostatek many!\r\n");
  EXPECT_EQ(Hero().SpellsInCombat, 0);
}

TEST_F(FightActions, OneItemOrSpellPerRound) {
  FightWindow& f = OpenWithEverything();
  CastSpell(0);
  EXPECT_FALSE(f.Predmety.Visible);
  EXPECT_FALSE(f.Kouzla.Visible);
  PlayAttack(0);
  EXPECT_TRUE(f.Predmety.Visible);
  UseItem(0);
  EXPECT_FALSE(f.Kouzla.Visible);
  EXPECT_EQ(Hero().SpellsInCombat, 1);
  EXPECT_EQ(Hero().ItemsInCombat, 1);
}

TEST_F(FightActions, EveryKnownSpellIsListedBeyondTwenty) {
  std::string text;
  for (int n = 1; n <= 25; ++n) {
    text += std::to_string(n) + " \"K" + std::to_string(n) + "\" \"k\" 1, nzivoty-1;\r\n";
  }
  WriteDataFile("kouzla", text);
  StartKnowing({});
  for (int n = 1; n <= 25; ++n) State().Spells.at(n).Known = 1;
  FightWindow& f = OpenFight({{"ZIVOTY", "5"}});
  f.KouzlaClick();
  ASSERT_EQ(f.UseLabels.size(), 25u);
  EXPECT_EQ(f.UseLabels[24].idx, 25);
  EXPECT_EQ(f.UseLabels[24].Top, 40 + 20 * 24);
  f.UseLabelMouseEnter(24);
  f.UseLabelClick();
  EXPECT_EQ(Foe().Lives, 4);
  EXPECT_EQ(Hero().MANA, 4);
}

TEST_F(FightActions, HiddenManaLeavesTheSpellButtonAndCostsWithoutText) {
  WriteAttacks({AttackSpec{}});
  StartKnowing({1});
  fight = std::make_unique<FightWindow>(State(), host, random, session->Files, Form().FightEnemy);
  fight->HideMana = true;
  fight->Open(std::vector<param>{{"ZIVOTY", "5"}});
  EXPECT_EQ(fight->Kouzla.Caption, "");
  fight->AttackMouseEnter(0);
  EXPECT_EQ(fight->EnergyCostLine, "Energie: 0");
  EXPECT_EQ(fight->ManaCostLine, "");
}

}  // namespace
}  // namespace qv
