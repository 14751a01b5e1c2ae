#include "state/substitution.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

#include "support/czech_text.h"
#include "support/effects.h"

namespace qv {
namespace {

LocalDateTime FixedMoment() { return {2024, 3, 7, 9, 5, 3}; }

std::string Sub(const GameState& s, std::string_view text) {
  return SubstituteValues(text, s, FixedMoment);
}

// Every keyword holds a value of its own, so a name read from the wrong field
// shows.
std::unique_ptr<GameState> SampleState() {
  auto s = std::make_unique<GameState>();
  CharacterState& c = s->Character;
  c.Name = "Hrdina";
  c.StartName = Cz("Poutník");
  c.ZIVOTY = 11;
  c.MAXZIVOTY = 12;
  c.MANA = -13;
  c.MAXMANA = 14;
  c.SILA = 15;
  c.OBRATNOST = 16;
  c.RYCHLOST = 17;
  c.ENERGIE = 18;
  c.ZKUSENOSTI = 19;
  c.PENIZE = 20;
  c.CurrentWeapon.Number = 21;
  c.CurrentWeapon.Damage = 22;
  c.CurrentArmour.Number = 23;
  c.STARTMAXZIVOTY = 24;
  c.STARTMAXMANA = 25;
  c.STARTSILA = 26;
  c.STARTOBRATNOST = 27;
  c.STARTRYCHLOST = 28;
  c.STARTENERGIE = 29;
  c.SpellsInCombat = 30;
  c.ItemsInCombat = 31;
  c.HitInCombat = 0x201;  // low byte set: 1
  s->World.Location = 32;
  s->World.RedirectName = "vedlejsi";
  s->LastCombatResult = -33;
  s->Fight.maxzivoty = 34;  // SOUBOJZIVOTY 12 + 34
  // Pure values: SILA 15 holds weapon +2 and armour -1, so it is 14 bare.
  c.CurrentWeapon.Effects[0] = MakeEffect("sila", '+', 2);
  c.CurrentWeapon.Effects[1] = MakeEffect("maxzivoty", '+', 5);
  c.CurrentWeapon.EffectCount = 2;
  c.CurrentArmour.Effects[0] = MakeEffect("sila", '-', 1);
  c.CurrentArmour.Effects[1] = MakeEffect("maxmana", '-', 4);
  c.CurrentArmour.Effects[2] = MakeEffect("obratnost", '+', 6);
  c.CurrentArmour.Effects[3] = MakeEffect("rychlost", '+', 9);
  c.CurrentArmour.Effects[4] = MakeEffect("energie", '+', 13);
  c.CurrentArmour.EffectCount = 5;
  s->World.Variables.Set(7, 12);
  s->World.Variables.Set(1, -5);
  s->World.Variables.Set(999, 999);
  s->World.Strings.Set(3, Cz("třetí"));
  s->World.Strings.Set(10, Cz("desátý"));
  return s;
}

TEST(SubstituteValues, VariableInsideText) {
  auto s = SampleState();
  EXPECT_EQ(Sub(*s, Cz("Máš $7 zlatých")), Cz("Máš 12 zlatých"));
  EXPECT_EQ(Sub(*s, "$7"), "12");
  EXPECT_EQ(Sub(*s, "$1"), "-5");
  EXPECT_EQ(Sub(*s, "$999"), "999");
  EXPECT_EQ(Sub(*s, "$007"), "12");
  EXPECT_EQ(Sub(*s, "$7$7"), "1212");
  EXPECT_EQ(Sub(*s, "$7x"), "12x");
}

TEST(SubstituteValues, ADollarThatStartsNoReferenceStays) {
  auto s = SampleState();
  EXPECT_EQ(Sub(*s, "$$7"), "$12");
  EXPECT_EQ(Sub(*s, "$"), "$");
  EXPECT_EQ(Sub(*s, "a$"), "a$");
  EXPECT_EQ(Sub(*s, "$ 7"), "$ 7");
  EXPECT_EQ(Sub(*s, "$-7"), "$-7");
  EXPECT_EQ(Sub(*s, Cz("$á")), Cz("$á"));  // accented letters are no name letters
  EXPECT_EQ(Sub(*s, "$$"), "$$");
}

TEST(SubstituteValues, TextWithoutReferencesComesBackUnchanged) {
  auto s = SampleState();
  EXPECT_EQ(Sub(*s, ""), "");
  EXPECT_EQ(Sub(*s, Cz("Co uděláš?")), Cz("Co uděláš?"));
  const std::string withZero("a\0b$7c", 6);
  EXPECT_EQ(Sub(*s, withZero), std::string("a\0b12c", 6));
}

TEST(SubstituteValues, VariableNumbersOutsideTheTableReadZero) {
  auto s = SampleState();
  s->World.Variables.Fill(77);
  EXPECT_EQ(Sub(*s, "$0"), "0");
  EXPECT_EQ(Sub(*s, "$1000"), "0");
  EXPECT_EQ(Sub(*s, "$99999999999999999999999"), "0");
  EXPECT_EQ(Sub(*s, "$999"), "77");
}

TEST(SubstituteValues, NamesAreCaseInsensitive) {
  auto s = SampleState();
  EXPECT_EQ(Sub(*s, "$zivoty"), "11");
  EXPECT_EQ(Sub(*s, "$ZIVOTY"), "11");
  EXPECT_EQ(Sub(*s, "$Zivoty"), "11");
  EXPECT_EQ(Sub(*s, "$rychlost"), "17");
  EXPECT_EQ(Sub(*s, "$RYCHLOST"), "17");
  EXPECT_EQ(Sub(*s, "$obratnost/$OBRATNOST"), "16/16");
}

TEST(SubstituteValues, TheNameIsTheWholeRunOfLetters) {
  auto s = SampleState();
  EXPECT_EQ(Sub(*s, "$zivoty5"), "115");
  EXPECT_EQ(Sub(*s, "$zivotyx"), "0");
  EXPECT_EQ(Sub(*s, "$ZIVOTY_$MANA"), "11_-13");
  EXPECT_EQ(Sub(*s, "($SILA+1)"), "(15+1)");
}

TEST(SubstituteValues, UnknownNamesGiveZero) {
  auto s = SampleState();
  EXPECT_EQ(Sub(*s, "$NIC"), "0");
  EXPECT_EQ(Sub(*s, "[$abc]"), "[0]");
  EXPECT_EQ(Sub(*s, "$" + std::string(300, 'Z')), "0");
  EXPECT_EQ(Sub(*s, "$SOUBORPRESMEROVANX"), "0");  // one letter past the longest name
}

TEST(SubstituteValues, StringSlots) {
  auto s = SampleState();
  EXPECT_EQ(Sub(*s, "$retezec3"), Cz("třetí"));
  EXPECT_EQ(Sub(*s, "$RETEZEC3!"), Cz("třetí!"));
  EXPECT_EQ(Sub(*s, "[$Retezec10]"), Cz("[desátý]"));
  EXPECT_EQ(Sub(*s, "[$retezec11]"), "[]");
  EXPECT_EQ(Sub(*s, "[$retezec0]"), "[]");
  EXPECT_EQ(Sub(*s, "[$retezec]"), "[]");
  EXPECT_EQ(Sub(*s, "[$retezec99999999999999999999]"), "[]");
  EXPECT_EQ(Sub(*s, "[$retezec1]"), "[]");  // an empty slot
  EXPECT_EQ(Sub(*s, "$retezecx"), "0");     // another name
  EXPECT_EQ(Sub(*s, "$retezec3$7"), Cz("třetí12"));
}

TEST(SubstituteValues, ReplacedValuesAreNotScannedAgain) {
  auto s = SampleState();
  s->Character.Name = "$7";
  s->World.Strings.Set(2, "$ZIVOTY");
  EXPECT_EQ(Sub(*s, "$JMENO $retezec2"), "$7 $ZIVOTY");
}

TEST(SubstituteValues, EveryNameOfTheTable) {
  auto s = SampleState();
  struct Case {
    const char* Name;
    std::string Value;
  };
  const Case cases[] = {
      {"JMENO", "Hrdina"},
      {"STARTJMENO", Cz("Poutník")},
      {"SOUBORPRESMEROVAN", "vedlejsi"},
      {"CAS", "9:05:03"},
      {"DATUM", "07.03.2024"},
      {"KOUZLAVSOUBOJI", "30"},
      {"PREDMETYVSOUBOJI", "31"},
      {"ZASAZENVSOUBOJI", "1"},
      {"LOKACE", "32"},
      {"VYSLEDEKSOUBOJE", "-33"},
      {"ZIVOTY", "11"},
      {"MAXZIVOTY", "12"},
      {"MANA", "-13"},
      {"MAXMANA", "14"},
      {"SILA", "15"},
      {"OBRATNOST", "16"},
      {"RYCHLOST", "17"},
      {"ENERGIE", "18"},
      {"ZKUSENOSTI", "19"},
      {"XP", "19"},
      {"PENIZE", "20"},
      {"CISLOZBRANE", "21"},
      {"CISLOZBROJE", "23"},
      {"POSKOZENI", "22"},
      {"STARTMAXZIVOTY", "24"},
      {"STARTMAXMANA", "25"},
      {"STARTSILA", "26"},
      {"STARTOBRATNOST", "27"},
      {"STARTRYCHLOST", "28"},
      {"STARTENERGIE", "29"},
      {"SOUBOJZIVOTY", "46"},
      {"CISTYMAXZIVOTY", "7"},  // 12 - 5
      {"CISTYMAXMANA", "18"},   // 14 + 4
      {"CISTYSILA", "14"},      // 15 - 2 + 1
      {"CISTYOBRATNOST", "10"},
      {"CISTYRYCHLOST", "8"},
      {"CISTYENERGIE", "5"},
  };
  std::set<std::string> seen;
  for (const Case& c : cases) {
    const std::string name = c.Name;
    EXPECT_EQ(Sub(*s, "<$" + name + ">"), std::string("<") + c.Value + ">") << name;
    // The same value as the keyword reader gives everywhere else.
    EXPECT_EQ(Sub(*s, "$" + name), KeywordValue(*s, name, FixedMoment).value_or("<none>")) << name;
    seen.insert(name);
  }
  EXPECT_EQ(seen.size(), 37u);
}

TEST(SubstituteValues, PureValuesLeaveTheHeroAsHeWas) {
  auto s = SampleState();
  EXPECT_EQ(Sub(*s, "$CISTYSILA/$SILA"), "14/15");
  EXPECT_EQ(s->Character.SILA, 15);
  EXPECT_EQ(s->Character.MAXZIVOTY, 12);
}

TEST(SubstituteValues, CombatValues) {
  auto s = SampleState();
  s->Character.HitInCombat = 0x100;  // only the low byte counts
  EXPECT_EQ(Sub(*s, "$ZASAZENVSOUBOJI"), "0");
  s->Fight.maxzivoty = -2;
  EXPECT_EQ(Sub(*s, "$SOUBOJZIVOTY"), "10");
  s->LastCombatResult = 1;
  EXPECT_EQ(Sub(*s, "$vysledeksouboje"), "1");
}

TEST(SubstituteValues, ClockValuesComeFromTheClockGiven) {
  auto s = SampleState();
  EXPECT_EQ(Sub(*s, "$CAS $datum"), "9:05:03 07.03.2024");
  const LocalClock evening = [] { return LocalDateTime{1999, 12, 31, 23, 59, 58}; };
  EXPECT_EQ(SubstituteValues("$CAS $DATUM", *s, evening), "23:59:58 31.12.1999");
  // The system clock by default: a time and a date of some form.
  const std::string now = SubstituteValues("$CAS|$DATUM", *s);
  EXPECT_NE(now.find(':'), std::string::npos);
  EXPECT_NE(now.find('.'), std::string::npos);
}

TEST(SubstituteValues, ExtremeNumbers) {
  auto s = SampleState();
  s->World.Variables.Set(5, INT32_MIN);
  s->Character.ZIVOTY = INT32_MAX;
  EXPECT_EQ(Sub(*s, "$5 $zivoty"), "-2147483648 2147483647");
}

}  // namespace
}  // namespace qv
