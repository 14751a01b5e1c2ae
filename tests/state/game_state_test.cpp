#include "state/game_state.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>

#include "host/recording_host.h"
#include "state/apply_effect.h"
#include "support/czech_text.h"
#include "support/effects.h"

namespace qv {
namespace {

InitRecord SampleRecord() {
  InitRecord r;
  r.Zivoty = {20, 1, 11};
  r.Mana = {8, 2, 12};
  r.Sila = {5, 3, 13};
  r.Obratnost = {6, 4, 14};
  r.Rychlost = {7, 5, 15};
  r.Energie = {9, 6, 16};
  r.CheckString = "TAJNE";
  r.HeroName = Cz("Poutník");
  r.AskName = 0;
  r.Title = Cz("Temný hrad");
  r.Penize = 30;
  r.CurrencyName = Cz("zlaťáků");
  r.Zkusenosti = 4;
  return r;
}

std::unique_ptr<GameState> FreshState() { return std::make_unique<GameState>(); }

TEST(GameState, RunTimeValuesStartAsAtProgramStart) {
  auto s = FreshState();
  EXPECT_EQ(s->SaveDefaultName, "Zadej");
  EXPECT_EQ(s->CurrencyName, Cz("stříbrných"));
  EXPECT_EQ(s->NextLocation, 0);
  EXPECT_EQ(s->SaveTarget, 0);
  EXPECT_FALSE(s->LoadRequested);
  EXPECT_FALSE(s->ContinueMode);
  EXPECT_EQ(s->Weapons.Count, 0);
  EXPECT_EQ(s->ObjectCount, 0);
}

TEST(StartNewGame, SetsTheNewGameValuesOfTheWorld) {
  auto s = FreshState();
  s->World.Variables.Set(1, 5);
  s->World.Variables.Set(999, -5);
  s->World.ShowLocationNumbers = 1;
  s->World.ReportChanges = 1;
  s->World.MenuOptionCount = 3;
  s->World.PreviousLocation = 77;
  s->World.Strings.Set(2, Cz("záznam"));
  StartNewGame(*s, SampleRecord());

  for (int n = 1; n <= 999; ++n) ASSERT_EQ(s->World.Variables.Get(n), 0) << n;
  EXPECT_EQ(s->World.Location, 1);
  EXPECT_EQ(s->NextLocation, 1);
  EXPECT_EQ(s->World.MenuHeading.str(), Cz("Co uděláš?"));
  EXPECT_EQ(s->World.DefaultMenuColour, 0xFFFFFF);
  EXPECT_EQ(s->World.DefaultTextColour, 0xFFFFFF);
  EXPECT_EQ(s->World.MenuHeadingColour, 0xFFFFFF);
  EXPECT_TRUE(s->World.SheetAllowed);
  EXPECT_TRUE(s->World.EquipmentAllowed);
  EXPECT_EQ(s->World.ShowLocationNumbers, 0);
  EXPECT_EQ(s->World.ReportChanges, 0);
  EXPECT_EQ(s->World.MenuOptionCount, 0);
  EXPECT_EQ(s->World.GameTitle.str(), Cz("Temný hrad"));
  EXPECT_EQ(s->World.GameCode.str(), "TAJNE");
  EXPECT_EQ(s->CurrencyName, Cz("zlaťáků"));
  // Fields without a new-game value stay as they were.
  EXPECT_EQ(s->World.PreviousLocation, 77);
  EXPECT_EQ(s->World.Strings.Get(2).str(), Cz("záznam"));
}

TEST(StartNewGame, BuildsTheCharacterFromTheRecord) {
  auto s = FreshState();
  s->Character.HitInCombat = 1;
  StartNewGame(*s, SampleRecord());
  const CharacterState& c = s->Character;
  EXPECT_EQ(c.ZIVOTY, 20);
  EXPECT_EQ(c.MAXZIVOTY, 20);
  EXPECT_EQ(c.MANA, 8);
  EXPECT_EQ(c.MAXMANA, 8);
  EXPECT_EQ(c.SILA, 5);
  EXPECT_EQ(c.OBRATNOST, 6);
  EXPECT_EQ(c.RYCHLOST, 7);
  EXPECT_EQ(c.ENERGIE, 9);
  EXPECT_EQ(c.PENIZE, 30);
  EXPECT_EQ(c.ZKUSENOSTI, 4);
  EXPECT_EQ(c.STARTSILA, c.SILA);
  EXPECT_EQ(c.STARTOBRATNOST, c.OBRATNOST);
  EXPECT_EQ(c.STARTMAXZIVOTY, c.MAXZIVOTY);
  EXPECT_EQ(c.STARTMAXMANA, c.MAXMANA);
  EXPECT_EQ(c.STARTRYCHLOST, c.RYCHLOST);
  EXPECT_EQ(c.STARTENERGIE, c.ENERGIE);
  // Raise costs and steps in the order ZIVOTY, MANA, SILA, OBRATNOST, ENERGIE, RYCHLOST.
  EXPECT_EQ(c.RaiseCost, (std::array<int32_t, 6>{1, 2, 3, 4, 6, 5}));
  EXPECT_EQ(c.RaiseStep, (std::array<int32_t, 6>{11, 12, 13, 14, 16, 15}));
  EXPECT_EQ(c.HitInCombat, 1);
}

TEST(StartNewGame, NameComesFromTheRecordUnlessItAsksForOne) {
  auto s = FreshState();
  s->Character.Name = Cz("Napsané");
  StartNewGame(*s, SampleRecord());
  EXPECT_EQ(s->Character.Name.str(), Cz("Poutník"));
  EXPECT_EQ(s->Character.StartName.str(), Cz("Poutník"));

  InitRecord asks = SampleRecord();
  asks.AskName = 1;
  s = FreshState();
  s->Character.Name = Cz("Napsané");  // set by the name window
  StartNewGame(*s, asks);
  EXPECT_EQ(s->Character.Name.str(), Cz("Napsané"));
  EXPECT_EQ(s->Character.StartName.str(), Cz("Napsané"));

  s = FreshState();
  StartNewGame(*s, asks, std::string_view(""));  // an empty name is accepted
  EXPECT_EQ(s->Character.Name.str(), "");
  EXPECT_EQ(s->Character.StartName.str(), "");

  s = FreshState();
  StartNewGame(*s, asks, std::string(120, 'x'));
  EXPECT_EQ(s->Character.Name.size(), 100u);
  EXPECT_EQ(s->Character.StartName.size(), 100u);
}

TEST(StartNewGame, ForgetsEveryKnownSpellAndAttack) {
  auto s = FreshState();
  s->Spells.at(1).Known = 1;
  s->Spells.at(100).Known = 1;
  s->Attacks.at(50).Known = 1;
  s->Spells.Count = 1;
  StartNewGame(*s, SampleRecord());
  for (int n = 1; n <= 100; ++n) {
    ASSERT_EQ(s->Spells.at(n).Known, 0) << n;
    ASSERT_EQ(s->Attacks.at(n).Known, 0) << n;
  }
}

TEST(EquipStartingGear, TakesCopiesOfTheFirstWeaponAndArmour) {
  auto s = FreshState();
  Weapon w;
  w.Number = 1;
  w.Name = Cz("Dýka");
  w.Damage = 2;
  s->Weapons.Append(w);
  EquipStartingGear(*s);
  EXPECT_EQ(s->Character.CurrentWeapon.Name.str(), Cz("Dýka"));
  EXPECT_EQ(s->Character.CurrentWeapon.Damage, 2);
  s->Weapons.at(1).Damage = 9;  // a copy, not a reference
  EXPECT_EQ(s->Character.CurrentWeapon.Damage, 2);
  // No armour catalog: an empty record.
  EXPECT_EQ(s->Character.CurrentArmour.Number, 0);
  EXPECT_EQ(s->Character.CurrentArmour.Defence, 0);
}

TEST(ClampAttributes, CapsAtTheMaximaPlusTheFightBonuses) {
  auto s = FreshState();
  RecordingHost host;
  s->Character.MAXZIVOTY = 10;
  s->Character.MAXMANA = 10;
  s->Character.ZIVOTY = 20;
  s->Character.MANA = 15;
  s->Fight.maxzivoty = 5;
  s->Fight.maxmana = 3;
  EXPECT_FALSE(ClampAttributes(*s, host));
  EXPECT_EQ(s->Character.ZIVOTY, 15);
  EXPECT_EQ(s->Character.MANA, 13);
  EXPECT_EQ(host.death_windows, 0);

  s->Fight = {};
  ClampAttributes(*s, host);
  EXPECT_EQ(s->Character.ZIVOTY, 10);
  EXPECT_EQ(s->Character.MANA, 10);

  s->Character.ZIVOTY = 4;
  s->Character.MANA = 0;
  ClampAttributes(*s, host);
  EXPECT_EQ(s->Character.ZIVOTY, 4);
  EXPECT_EQ(s->Character.MANA, 0);
}

TEST(ClampAttributes, OpensTheDeathWindowAtZeroLives) {
  auto s = FreshState();
  RecordingHost host;
  s->Character.MAXZIVOTY = 10;
  s->Character.ZIVOTY = 1;
  EXPECT_FALSE(ClampAttributes(*s, host));
  EXPECT_EQ(host.death_windows, 0);
  s->Character.ZIVOTY = 0;
  EXPECT_TRUE(ClampAttributes(*s, host));
  EXPECT_EQ(host.death_windows, 1);
  s->Character.ZIVOTY = -3;
  EXPECT_TRUE(ClampAttributes(*s, host));
  EXPECT_EQ(host.death_windows, 2);
}

TEST(ClampAttributes, RaisesNegativeManaToZero) {
  auto s = FreshState();
  RecordingHost host;
  s->Character.MAXZIVOTY = 10;
  s->Character.ZIVOTY = 5;
  s->Character.MAXMANA = 10;
  s->Character.MANA = -4;
  ClampAttributes(*s, host);
  EXPECT_EQ(s->Character.MANA, 0);
}

TEST(ClampAttributes, AHugeFightBonusDoesNotWrapTheCap) {
  auto s = FreshState();
  RecordingHost host;
  s->Character.MAXZIVOTY = INT32_MAX;
  s->Character.ZIVOTY = INT32_MAX;
  s->Fight.maxzivoty = 10;
  s->Character.MAXMANA = INT32_MIN;
  s->Character.MANA = 5;
  s->Fight.maxmana = -10;
  ClampAttributes(*s, host);
  EXPECT_EQ(s->Character.ZIVOTY, INT32_MAX);
  EXPECT_EQ(s->Character.MANA, 0);  // capped at the lowest value, then raised to 0
  EXPECT_EQ(host.death_windows, 0);
}

TEST(ApplyEffect, ChangesOnlyTheSixAttributesWithPlusAndMinus) {
  CharacterState c;
  ApplyEffect(c, MakeEffect("maxzivoty", '+', 1));
  ApplyEffect(c, MakeEffect("maxmana", '+', 2));
  ApplyEffect(c, MakeEffect("sila", '+', 3));
  ApplyEffect(c, MakeEffect("obratnost", '-', 4));
  ApplyEffect(c, MakeEffect("rychlost", '+', 5));
  ApplyEffect(c, MakeEffect("energie", '-', 6));
  EXPECT_EQ(c.MAXZIVOTY, 1);
  EXPECT_EQ(c.MAXMANA, 2);
  EXPECT_EQ(c.SILA, 3);
  EXPECT_EQ(c.OBRATNOST, -4);
  EXPECT_EQ(c.RYCHLOST, 5);
  EXPECT_EQ(c.ENERGIE, -6);

  ApplyEffect(c, MakeEffect("zivoty", '+', 5));  // left to item use and combat
  ApplyEffect(c, MakeEffect("mana", '+', 5));
  ApplyEffect(c, MakeEffect("sila", '*', 5));
  ApplyEffect(c, MakeEffect("sila", '=', 5));
  ApplyEffect(c, MakeEffect("sila", '0', 5));
  ApplyEffect(c, MakeEffect("SILA", '+', 5));  // names are stored lower-case
  EXPECT_EQ(c.ZIVOTY, 0);
  EXPECT_EQ(c.MANA, 0);
  EXPECT_EQ(c.SILA, 3);
}

TEST(ApplyEffect, ReversedUndoesItEvenAcrossTheIntegerLimit) {
  CharacterState c;
  c.SILA = INT32_MAX;
  const Effect e = MakeEffect("sila", '+', 10);
  ApplyEffect(c, e);
  ApplyEffectReversed(c, e);
  EXPECT_EQ(c.SILA, INT32_MAX);
  ApplyEffectReversed(c, MakeEffect("energie", '-', 3));
  EXPECT_EQ(c.ENERGIE, 3);
}

}  // namespace
}  // namespace qv
