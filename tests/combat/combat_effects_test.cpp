// Every kind of combat effect with both signs: what it changes, what it says
// and which line of the window it draws again.
#include "combat/combat_effects.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "fight_fixture.h"

namespace qv {
namespace {

class CombatEffects : public FightFixture {
 protected:
  FightWindow& Open() {
    StartKnowing({});
    FightWindow& f = OpenFight({{"UTOK", "2k6+1"},
                                {"OBRANA", "3"},
                                {"TVRDOST", "2"},
                                {"POSKOZENI", "4"},
                                {"ZIVOTY", "20"},
                                {"ZRANEN", "5"},
                                {"XP", "6"}});
    return f;
  }
  // Applies one effect to an empty message line and returns the line.
  std::string Apply(std::string_view text) {
    fight->Summary2.clear();
    fight->ApplyCombatEffect(ParseEffect(text));
    return fight->Summary2;
  }
};

TEST_F(CombatEffects, HealingStopsAtTheFightMaximumAndReportsTheGain) {
  FightWindow& f = Open();
  Hero().ZIVOTY = 18;
  EXPECT_EQ(Apply("zivoty+5"), Cz("Vyléčil sis 2 životy\r\n"));
  EXPECT_EQ(Hero().ZIVOTY, 20);
  EXPECT_EQ(f.Lines.PlayerLives, "20 / 20");
  State().Fight.maxzivoty = 3;
  EXPECT_EQ(Apply("zivoty+5"), Cz("Vyléčil sis 3 životy\r\n"));
  EXPECT_EQ(Hero().ZIVOTY, 23);
}

TEST_F(CombatEffects, LosingLivesReportsTheAmount) {
  FightWindow& f = Open();
  EXPECT_EQ(Apply("zivoty-4"), Cz("Ztratil jsi 4 životy\r\n"));
  EXPECT_EQ(Hero().ZIVOTY, 16);
  EXPECT_EQ(f.Lines.PlayerLives, "16 / 20");
  EXPECT_EQ(host.death_windows, 0);
}

TEST_F(CombatEffects, LivesTakenByAnEffectKillEvenInANoDeathFight) {
  StartKnowing({});
  OpenFight({{"NEUMIREJ", "1"}, {"ZIVOTY", "9"}});
  Hero().ZIVOTY = 4;
  Apply("zivoty-4");
  EXPECT_EQ(Hero().ZIVOTY, 0);
  EXPECT_EQ(host.death_windows, 1);
}

TEST_F(CombatEffects, LosingLivesAlsoCapsManaAndLivesAtTheFightMaxima) {
  Open();
  Hero().MANA = 9;
  Hero().ZIVOTY = 30;
  Apply("zivoty-1");
  EXPECT_EQ(Hero().ZIVOTY, 20);
  EXPECT_EQ(Hero().MANA, 5);
}

TEST_F(CombatEffects, ManaRestoresUpToTheFightMaximumAndNeverFallsBelowZero) {
  FightWindow& f = Open();
  Hero().MANA = 2;
  // Obnovil sis 3 many
  EXPECT_EQ(Apply("mana+10"), "Obnovil sis 3 many\r\n");
  EXPECT_EQ(Hero().MANA, 5);
  EXPECT_EQ(Apply("mana-10"), "Ztratil jsi 10 many\r\n");
  EXPECT_EQ(Hero().MANA, 0);
  EXPECT_EQ(f.Lines.PlayerMana, "0 / 5");
}

// One value of the hero or the enemy moved by an effect: what the effect
// says and the line of the window drawn again. A lowering comes after the
// raising of its row, so the two add up on the fight's modifier.
struct ValueEffect {
  std::string name;  // for the test's name
  const char* raise;
  std::string raised;
  const char* lower;
  std::string lowered;
  std::string FightLines::*line;
  std::string after_raise;
  std::string after_lower;
};

void PrintTo(const ValueEffect& row, std::ostream* os) { *os << row.name; }

std::vector<ValueEffect> ValueEffects() {
  return {
      {"maxzivoty", "maxzivoty+4", Cz("Tvůj maximální počet životů se zvýšil o 4\r\n"),
       "maxzivoty-1", Cz("Tvůj maximální počet životů se snížil o 1\r\n"), &FightLines::PlayerLives,
       "20 / 24", "20 / 23"},
      {"maxmana", "maxmana+2", Cz("Tvoje maximální úroveň many se zvýšila o 2\r\n"), "maxmana-5",
       Cz("Tvoje maximální úroveň many se snížila o 5\r\n"), &FightLines::PlayerMana, "5 / 7",
       "5 / 2"},
      {"utok", "utok+2", Cz("Tvůj útok se zvýšil o 2\r\n"), "utok-9",
       Cz("Tvůj útok se snížil o 9\r\n"), &FightLines::PlayerAttack, "2k6+6", "2k6+-3"},
      {"obrana", "obrana+3", Cz("Tvoje obrana se zvýšila o 3\r\n"), "obrana-1",
       Cz("Tvoje obrana se snížila o 1\r\n"), &FightLines::PlayerDefence, "8", "7"},
      {"tvrdost", "tvrdost+2", Cz("Tvoje tvrdost se zvýšila o 2\r\n"), "tvrdost-3",
       Cz("Tvoje tvrdost se snížila o 3\r\n"), &FightLines::PlayerHardness, "3", "0"},
      {"poskozeni", "poskozeni+1", Cz("Tebou uštědřované poškození se zvýšilo o 1\r\n"),
       "poskozeni-2", Cz("Tebou uštědřované poškození se snížilo o 2\r\n"),
       &FightLines::PlayerDamage, "3", "1"},
      {"rychlost", "rychlost+2", Cz("Tvoje rychlost se zvýšila o 2\r\n"), "rychlost-4",
       Cz("Tvoje rychlost se snížila o 4\r\n"), &FightLines::PlayerSpeed, "5", "1"},
      {"nutok", "nutok+2", Cz("Nepříteli se zvýšil útok o 2\r\n"), "nutok-5",
       Cz("Nepříteli se snížil útok o 5\r\n"), &FightLines::EnemyAttack, "2k6+3", "2k6-2"},
      {"nobrana", "nobrana+2", Cz("Nepříteli se zvýšila obrana o 2\r\n"), "nobrana-1",
       Cz("Nepříteli se snížila obrana o 1\r\n"), &FightLines::EnemyDefence, "5", "4"},
      {"ntvrdost", "ntvrdost+1", Cz("Nepříteli se zvýšila tvrdost o 1\r\n"), "ntvrdost-7",
       Cz("Nepříteli se snížila tvrdost o 7\r\n"), &FightLines::EnemyHardness, "3", "-4"},
      {"nposkozeni", "nposkozeni+3", Cz("Nepříteli se zvýšilo způsobované poškození o 3\r\n"),
       "nposkozeni-2", Cz("Nepříteli se snížilo způsobované poškození o 2\r\n"),
       &FightLines::EnemyDamage, "7", "5"},
  };
}

class ValueEffectTest : public CombatEffects, public ::testing::WithParamInterface<ValueEffect> {};

TEST_P(ValueEffectTest, RaiseThenLowerSayAndRedraw) {
  const ValueEffect& row = GetParam();
  FightWindow& f = Open();
  EXPECT_EQ(Apply(row.raise), row.raised);
  EXPECT_EQ(f.Lines.*row.line, row.after_raise);
  EXPECT_EQ(Apply(row.lower), row.lowered);
  EXPECT_EQ(f.Lines.*row.line, row.after_lower);
}

INSTANTIATE_TEST_SUITE_P(EveryValue, ValueEffectTest, ::testing::ValuesIn(ValueEffects()),
                         [](const ::testing::TestParamInfo<ValueEffect>& info) {
                           return info.param.name;
                         });

// The fight's own modifiers add up; energy has no cap.
TEST_F(CombatEffects, ModifiersAddUpAndEnergyHasNoCap) {
  FightWindow& f = Open();
  Apply("maxzivoty+4");
  Apply("maxzivoty-1");
  EXPECT_EQ(State().Fight.maxzivoty, 3);
  Apply("maxmana+2");
  Apply("maxmana-5");
  EXPECT_EQ(State().Fight.maxmana, -3);
  Apply("utok+2");
  Apply("utok-9");
  EXPECT_EQ(State().Fight.utok, -7);
  Apply("obrana+3");
  Apply("obrana-1");
  EXPECT_EQ(State().Fight.obrana, 2);

  EXPECT_EQ(Apply("energie+20"), Cz("Tvá energie se zvýšila o 20\r\n"));
  EXPECT_EQ(Hero().CombatEnergy, 27);
  EXPECT_EQ(f.Lines.PlayerEnergy, "27 / 15");
  EXPECT_EQ(Apply("energie-30"), Cz("Tvá energie se snížila o 30\r\n"));
  EXPECT_EQ(Hero().CombatEnergy, -3);
}

TEST_F(CombatEffects, RoundValuesAreSetNotAdded) {
  Open();
  FightModifiers& m = State().Fight;
  EXPECT_EQ(Apply("tentoobrana+2"), Cz("V tomto kole byla tvá obrana vyšší o 2\r\n"));
  EXPECT_EQ(Apply("tentoobrana+3"), Cz("V tomto kole byla tvá obrana vyšší o 3\r\n"));
  EXPECT_EQ(m.tentoobrana, 3);
  EXPECT_EQ(Apply("tentoobrana-4"), Cz("V tomto kole byla tvá obrana nižší o 4\r\n"));
  EXPECT_EQ(m.tentoobrana, -4);
  EXPECT_EQ(Apply("pristiobrana+5"), Cz("V příštím kole bude tvá obrana vyšší o 5\r\n"));
  EXPECT_EQ(m.pristiobrana, 5);
  EXPECT_EQ(Apply("pristiobrana-1"), Cz("V příštím kole bude tvá obrana nižší o 1\r\n"));
  EXPECT_EQ(m.pristiobrana, -1);
  EXPECT_EQ(Apply("pristiutok+6"), Cz("V příštím kole bude tvůj útok vyšší o 6\r\n"));
  EXPECT_EQ(m.pristiutok, 6);
  // The lowering is worded "in this round".
  EXPECT_EQ(Apply("pristiutok-2"), Cz("V tomto kole bude tvůj útok nižší o 2\r\n"));
  EXPECT_EQ(m.pristiutok, -2);
}

TEST_F(CombatEffects, EnemyDefenceStopsAtZeroAndReportsWhatWasTakenOff) {
  FightWindow& f = Open();
  EXPECT_EQ(Apply("nobrana-5"), Cz("Nepříteli se snížila obrana o 3\r\n"));
  EXPECT_EQ(Foe().Defence, 0);
  EXPECT_EQ(f.Lines.EnemyDefence, "0");
  EXPECT_EQ(Apply("nobrana-5"), Cz("Nepříteli se snížila obrana o 0\r\n"));
  Foe().Defence = -2;  // from a gamebook: left as it is
  Apply("nobrana-1");
  EXPECT_EQ(Foe().Defence, -2);
}

TEST_F(CombatEffects, EnemyLivesHealUpToTheMaximumAndFallToDefeat) {
  FightWindow& f = Open();
  EXPECT_EQ(Apply("nzivoty+9"), Cz("Nepřítel si obnovil 5 životů\r\n"));
  EXPECT_EQ(f.Lines.EnemyLives, "20 / 20");
  EXPECT_EQ(Apply("nzivoty-19"), Cz("Nepřítel ztratil 19 životů\r\n"));
  EXPECT_EQ(f.Lines.EnemyLives, "1 / 20");
  EXPECT_FALSE(f.FightOver);
  EXPECT_EQ(Apply("nzivoty-1"), Cz("NEPŘÍTEL JE PORAŽEN!"));
  EXPECT_TRUE(f.FightOver);
  EXPECT_TRUE(f.IsClosed());
  EXPECT_EQ(Hero().ZKUSENOSTI, 6);
  EXPECT_EQ(State().LastCombatResult, 2);
  Apply("nzivoty-1");
  EXPECT_EQ(Hero().ZKUSENOSTI, 6);  // once per fight
}

TEST_F(CombatEffects, VariablesChangeAndAreReportedOnlyWhenAsked) {
  Open();
  EXPECT_EQ(Apply("promenna5+3"), "");
  EXPECT_EQ(State().World.Variables.Get(5), 3);
  State().World.ReportChanges = 1;
  EXPECT_EQ(Apply("promenna5+4"), Cz("(d.) Proměnná $5 se zvýšila o 4 na 7\r\n"));
  EXPECT_EQ(Apply("promenna5-10"), Cz("(d.) Proměnná $5 se snížila o 10 na -3\r\n"));
  EXPECT_EQ(Apply("promenna5=8"), Cz("(d.) Proměnná $5 se změnila na 8\r\n"));
  EXPECT_EQ(State().World.Variables.Get(5), 8);
  EXPECT_EQ(Apply("promenna5*2"), "");
  EXPECT_EQ(State().World.Variables.Get(5), 8);
  // A variable outside 1..999 has no room.
  EXPECT_EQ(Apply("promenna1000+1"), "");
  EXPECT_EQ(Apply("promenna+1"), "");
}

TEST_F(CombatEffects, UnknownKindsAndSignsChangeNothingButKeepTheSeparator) {
  FightWindow& f = Open();
  EXPECT_EQ(Apply("sila+2"), "");
  EXPECT_EQ(Apply("zivoty=2"), "");
  EXPECT_EQ(Hero().ZIVOTY, 20);
  f.Summary2 = Cz("Zásah");
  f.ApplyCombatEffect(ParseEffect("utok*2"));
  EXPECT_EQ(f.Summary2, Cz("Zásah\r\n"));
  f.ApplyCombatEffect(ParseEffect("utok+1"));
  EXPECT_EQ(f.Summary2, Cz("Zásah\r\n\r\nTvůj útok se zvýšil o 1\r\n"));
}

TEST_F(CombatEffects, KindsAreKnownByTheirWholeName) {
  EXPECT_EQ(CombatEffectKindOf("nzivoty"), CombatEffectKind::NZivoty);
  EXPECT_EQ(CombatEffectKindOf("zivoty"), CombatEffectKind::Zivoty);
  EXPECT_EQ(CombatEffectKindOf("ZIVOTY"), CombatEffectKind::Unknown);
  EXPECT_EQ(CombatEffectKindOf("zivot"), CombatEffectKind::Unknown);
  EXPECT_EQ(CombatEffectKindOf(""), CombatEffectKind::Unknown);
}

}  // namespace
}  // namespace qv
