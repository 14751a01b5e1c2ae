#include "state/keyword_values.h"

#include <gtest/gtest.h>

#include <memory>

#include "data/byte_io.h"
#include "support/czech_text.h"
#include "support/effects.h"

namespace qv {
namespace {

LocalDateTime FixedMoment() { return {2024, 3, 7, 9, 5, 3}; }

std::string Value(const GameState& s, std::string_view name) {
  const auto v = KeywordValue(s, name, FixedMoment);
  return v ? *v : "<none>";
}

std::unique_ptr<GameState> SampleState() {
  auto s = std::make_unique<GameState>();
  CharacterState& c = s->Character;
  c.Name = "Hrdina";
  c.StartName = Cz("Poutník");
  c.ZIVOTY = 12;
  c.MAXZIVOTY = 20;
  c.MANA = -3;
  c.MAXMANA = 8;
  c.SILA = 5;
  c.OBRATNOST = 6;
  c.RYCHLOST = 7;
  c.ENERGIE = 9;
  c.ZKUSENOSTI = 40;
  c.PENIZE = 100;
  c.STARTMAXZIVOTY = 21;
  c.STARTMAXMANA = 22;
  c.STARTSILA = 23;
  c.STARTOBRATNOST = 24;
  c.STARTRYCHLOST = 25;
  c.STARTENERGIE = 26;
  c.SpellsInCombat = 2;
  c.ItemsInCombat = 3;
  c.CurrentWeapon.Number = 4;
  c.CurrentWeapon.Damage = 6;
  c.CurrentArmour.Number = 5;
  s->World.Location = 33;
  s->World.RedirectName = "vedlejsi";
  s->World.Strings.Set(3, Cz("třetí"));
  s->World.Strings.Set(10, Cz("desátý"));
  s->LastCombatResult = -1;
  s->Fight.maxzivoty = 4;
  return s;
}

TEST(KeywordValue, TextKeywordsGiveTheirText) {
  auto s = SampleState();
  EXPECT_EQ(Value(*s, "JMENO"), "Hrdina");
  EXPECT_EQ(Value(*s, "STARTJMENO"), Cz("Poutník"));
  EXPECT_EQ(Value(*s, "SOUBORPRESMEROVAN"), "vedlejsi");
  EXPECT_EQ(Value(*s, "CAS"), "9:05:03");
  EXPECT_EQ(Value(*s, "DATUM"), "07.03.2024");
}

TEST(KeywordValue, NumberKeywordsGivePlainDecimal) {
  auto s = SampleState();
  EXPECT_EQ(Value(*s, "LOKACE"), "33");
  EXPECT_EQ(Value(*s, "ZIVOTY"), "12");
  EXPECT_EQ(Value(*s, "MAXZIVOTY"), "20");
  EXPECT_EQ(Value(*s, "MANA"), "-3");
  EXPECT_EQ(Value(*s, "MAXMANA"), "8");
  EXPECT_EQ(Value(*s, "SILA"), "5");
  EXPECT_EQ(Value(*s, "OBRATNOST"), "6");
  EXPECT_EQ(Value(*s, "RYCHLOST"), "7");
  EXPECT_EQ(Value(*s, "ENERGIE"), "9");
  EXPECT_EQ(Value(*s, "ZKUSENOSTI"), "40");
  EXPECT_EQ(Value(*s, "XP"), "40");
  EXPECT_EQ(Value(*s, "PENIZE"), "100");
  EXPECT_EQ(Value(*s, "CISLOZBRANE"), "4");
  EXPECT_EQ(Value(*s, "CISLOZBROJE"), "5");
  EXPECT_EQ(Value(*s, "POSKOZENI"), "6");
  EXPECT_EQ(Value(*s, "STARTMAXZIVOTY"), "21");
  EXPECT_EQ(Value(*s, "STARTMAXMANA"), "22");
  EXPECT_EQ(Value(*s, "STARTSILA"), "23");
  EXPECT_EQ(Value(*s, "STARTOBRATNOST"), "24");
  EXPECT_EQ(Value(*s, "STARTRYCHLOST"), "25");
  EXPECT_EQ(Value(*s, "STARTENERGIE"), "26");
  EXPECT_EQ(Value(*s, "SOUBOJZIVOTY"), "24");
  EXPECT_EQ(Value(*s, "KOUZLAVSOUBOJI"), "2");
  EXPECT_EQ(Value(*s, "PREDMETYVSOUBOJI"), "3");
  EXPECT_EQ(Value(*s, "VYSLEDEKSOUBOJE"), "-1");
}

TEST(KeywordValue, NamesAreCaseInsensitiveAndUnknownNamesGiveNothing) {
  auto s = SampleState();
  EXPECT_EQ(Value(*s, "zivoty"), "12");
  EXPECT_EQ(Value(*s, "Rychlost"), "7");
  EXPECT_FALSE(KeywordValue(*s, "NIC", FixedMoment).has_value());
  EXPECT_FALSE(KeywordValue(*s, "", FixedMoment).has_value());
  EXPECT_FALSE(KeywordValue(*s, "RETEZEC", FixedMoment).has_value());
}

TEST(KeywordValue, HitInCombatLooksOnlyAtTheLowByte) {
  auto s = SampleState();
  EXPECT_EQ(Value(*s, "ZASAZENVSOUBOJI"), "0");  // before any fight
  s->Character.HitInCombat = 1;
  EXPECT_EQ(Value(*s, "ZASAZENVSOUBOJI"), "1");
  s->Character.HitInCombat = 0x100;
  EXPECT_EQ(Value(*s, "ZASAZENVSOUBOJI"), "0");
}

TEST(StringSlotValue, ReadsSlotsOneToTenAndEmptyOutside) {
  auto s = SampleState();
  EXPECT_EQ(StringSlotValue(*s, 3), Cz("třetí"));
  EXPECT_EQ(StringSlotValue(*s, 10), Cz("desátý"));
  EXPECT_EQ(StringSlotValue(*s, 11), "");
  EXPECT_EQ(StringSlotValue(*s, 0), "");
  EXPECT_EQ(StringSlotValue(*s, -1), "");
}

TEST(PureAttribute, LeavesOutTheEquipmentEffectsAndChangesNothing) {
  auto s = SampleState();
  Weapon& w = s->Character.CurrentWeapon;
  w.Effects[0] = MakeEffect("sila", '+', 2);
  w.Effects[1] = MakeEffect("maxzivoty", '+', 5);
  w.Effects[2] = MakeEffect("obratnost", '=', 9);  // skipped
  w.EffectCount = 3;
  Armour& a = s->Character.CurrentArmour;
  a.Effects[0] = MakeEffect("sila", '-', 1);
  a.Effects[1] = MakeEffect("rychlost", '-', 2);
  a.EffectCount = 2;
  const auto before = std::make_unique<CharacterState>(s->Character);

  EXPECT_EQ(Value(*s, "CISTYSILA"), "4");  // SILA 5 with +2 and -1 taken off
  EXPECT_EQ(Value(*s, "CISTYMAXZIVOTY"), "15");
  EXPECT_EQ(Value(*s, "CISTYRYCHLOST"), "9");
  EXPECT_EQ(Value(*s, "CISTYOBRATNOST"), "6");
  EXPECT_EQ(Value(*s, "CISTYMAXMANA"), "8");
  EXPECT_EQ(Value(*s, "CISTYENERGIE"), "9");
  EXPECT_EQ(PureAttribute(*s, PureAttributeKind::Sila), 4);
  EXPECT_EQ(s->Character.SILA, 5);
  EXPECT_EQ(s->Character.MAXZIVOTY, 20);

  std::vector<uint8_t> was(CharacterState::kSize), is(CharacterState::kSize);
  before->Encode(was.data());
  s->Character.Encode(is.data());
  EXPECT_EQ(was, is);
}

TEST(PureAttribute, UsesOnlyTheCountedEffects) {
  auto s = SampleState();
  s->Character.CurrentWeapon.Effects[0] = MakeEffect("sila", '+', 2);
  s->Character.CurrentWeapon.EffectCount = 0;
  EXPECT_EQ(PureAttribute(*s, PureAttributeKind::Sila), 5);
  s->Character.CurrentWeapon.EffectCount = 255;  // damaged: cut to five
  EXPECT_EQ(PureAttribute(*s, PureAttributeKind::Sila), 3);
}

TEST(LocalClock, FormatsTimeAndDateTheCzechWay) {
  EXPECT_EQ(FormatLongTime({2023, 12, 31, 23, 59, 58}), "23:59:58");
  EXPECT_EQ(FormatLongTime({2023, 1, 1, 0, 0, 0}), "0:00:00");
  EXPECT_EQ(FormatShortDate({2023, 12, 31, 0, 0, 0}), "31.12.2023");
  const LocalDateTime now = SystemLocalTime();
  EXPECT_GE(now.Year, 2020);
  EXPECT_GE(now.Month, 1);
  EXPECT_LE(now.Month, 12);
}

}  // namespace
}  // namespace qv
