#include "state/character_state.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "data/byte_io.h"
#include "state/catalog.h"
#include "state/object_entry.h"
#include "support/czech_text.h"

namespace qv {
namespace {

template <class Record>
std::vector<uint8_t> Bytes(const Record& record) {
  std::vector<uint8_t> out(Record::kSize, 0xEE);
  record.Encode(out.data());
  return out;
}

using C = CharacterState;
using O = ObjectEntry;

std::string Text(const std::vector<uint8_t>& bytes, std::size_t offset) {
  return std::string(reinterpret_cast<const char*>(&bytes[offset + 1]), bytes[offset]);
}

CharacterState SampleCharacter() {
  CharacterState c;
  c.Name = "Hrdina";
  c.StartName = Cz("Poutník");
  c.Reserved[0] = 0x5A;
  c.Reserved[3997] = 0xA5;
  c.PENIZE = 1;
  c.ZKUSENOSTI = 2;
  c.HitInCombat = 3;
  c.SpellsInCombat = 4;
  c.ItemsInCombat = 5;
  c.SILA = 6;
  c.OBRATNOST = 7;
  c.ZIVOTY = 8;
  c.MAXZIVOTY = 9;
  c.MANA = 10;
  c.MAXMANA = 11;
  c.RYCHLOST = 12;
  c.ENERGIE = 13;
  c.STARTSILA = 14;
  c.STARTOBRATNOST = 15;
  c.STARTMAXZIVOTY = 16;
  c.STARTMAXMANA = 17;
  c.STARTRYCHLOST = 18;
  c.STARTENERGIE = 19;
  c.CombatEnergy = -20;
  c.CurrentWeapon.Number = 31;
  c.CurrentWeapon.Name = Cz("Meč");
  c.CurrentWeapon.Held = 1;
  c.CurrentArmour.Number = 32;
  c.CurrentArmour.Name = Cz("Kroužková");
  c.CurrentArmour.Held = 2;
  for (std::size_t i = 0; i < kRaiseCount; ++i) {
    c.RaiseCost[i] = static_cast<int32_t>(100 + i);
    c.RaiseStep[i] = static_cast<int32_t>(200 + i);
  }
  return c;
}

TEST(CharacterState, FieldsSitAtTheirOffsets) {
  const auto b = Bytes(SampleCharacter());
  ASSERT_EQ(b.size(), 7916u);
  EXPECT_EQ(Text(b, C::kNameOffset), "Hrdina");
  EXPECT_EQ(Text(b, C::kStartNameOffset), Cz("Poutník"));
  EXPECT_EQ(b[C::kReservedOffset], 0x5A);
  EXPECT_EQ(b[C::kReservedOffset + 3997], 0xA5);
  const int32_t expected[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10,
                              11, 12, 13, 14, 15, 16, 17, 18, 19, -20};
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_EQ(ReadI32(&b[C::kPenizeOffset + 4 * i]), expected[i])
        << "at offset " << C::kPenizeOffset + 4 * i;
  }
  EXPECT_EQ(ReadI32(&b[C::kCurrentWeaponOffset + Weapon::kNumberOffset]), 31);
  EXPECT_EQ(Text(b, C::kCurrentWeaponOffset + Weapon::kNameOffset), Cz("Meč"));
  EXPECT_EQ(ReadI16(&b[C::kCurrentWeaponOffset + Weapon::kHeldOffset]), 1);
  EXPECT_EQ(ReadI32(&b[C::kCurrentArmourOffset + Armour::kNumberOffset]), 32);
  EXPECT_EQ(Text(b, C::kCurrentArmourOffset + Armour::kNameOffset), Cz("Kroužková"));
  EXPECT_EQ(ReadI16(&b[C::kCurrentArmourOffset + Armour::kHeldOffset]), 2);
  // RaiseCost and RaiseStep in the order ZIVOTY, MANA, SILA, OBRATNOST, ENERGIE, RYCHLOST.
  EXPECT_EQ(ReadI32(&b[C::kRaiseCostOffset]), 100);
  EXPECT_EQ(ReadI32(&b[C::kRaiseCostOffset + 4 * kRaiseEnergie]), 104);
  EXPECT_EQ(ReadI32(&b[C::kRaiseCostOffset + 4 * kRaiseRychlost]), 105);
  EXPECT_EQ(ReadI32(&b[C::kRaiseStepOffset]), 200);
  EXPECT_EQ(ReadI32(&b[C::kRaiseStepOffset + 4 * kRaiseRychlost]), 205);
}

TEST(CharacterState, RoundTripKeepsEveryByteIncludingTheReservedArea) {
  const auto b = Bytes(SampleCharacter());
  EXPECT_EQ(Bytes(CharacterState::Decode(b.data())), b);

  std::vector<uint8_t> raw(CharacterState::kSize, 0);
  for (std::size_t i = 0; i < CharacterState::kReservedSize; ++i) {
    raw[CharacterState::kReservedOffset + i] = static_cast<uint8_t>(i % 251 + 1);
  }
  EXPECT_EQ(Bytes(CharacterState::Decode(raw.data())), raw);
}

TEST(CharacterState, AFreshCharacterIsAllZeroBytes) {
  EXPECT_EQ(Bytes(CharacterState{}), std::vector<uint8_t>(CharacterState::kSize, 0));
}

TEST(CharacterState, StoreStartAttributesCopiesTheSixAttributes) {
  CharacterState c = SampleCharacter();
  StoreStartAttributes(c);
  EXPECT_EQ(c.STARTSILA, c.SILA);
  EXPECT_EQ(c.STARTOBRATNOST, c.OBRATNOST);
  EXPECT_EQ(c.STARTMAXZIVOTY, c.MAXZIVOTY);
  EXPECT_EQ(c.STARTMAXMANA, c.MAXMANA);
  EXPECT_EQ(c.STARTRYCHLOST, c.RYCHLOST);
  EXPECT_EQ(c.STARTENERGIE, c.ENERGIE);
}

TEST(ObjectEntry, FieldsSitAtTheirOffsets) {
  ObjectEntry o;
  o.Name = Cz("Klíč");
  o.Description = Cz("Rezavý klíč");
  o.Picture = "klic";
  o.Height = 40;
  o.Width = 30;
  o.Count = -1;
  const auto b = Bytes(o);
  ASSERT_EQ(b.size(), 368u);
  EXPECT_EQ(Text(b, O::kNameOffset), Cz("Klíč"));
  EXPECT_EQ(Text(b, O::kDescriptionOffset), Cz("Rezavý klíč"));
  EXPECT_EQ(Text(b, O::kPictureOffset), "klic");
  EXPECT_EQ(b[O::kPictureOffset + 51], 0);
  EXPECT_EQ(ReadI32(&b[O::kHeightOffset]), 40);
  EXPECT_EQ(ReadI32(&b[O::kWidthOffset]), 30);
  EXPECT_EQ(ReadI16(&b[O::kCountOffset]), -1);
  EXPECT_EQ(b[O::kCountOffset + 2], 0);
  EXPECT_EQ(Bytes(ObjectEntry::Decode(b.data())), b);
}

TEST(Catalog, NumbersFromOneWithRoomForAHundred) {
  auto weapons = std::make_unique<Catalog<Weapon>>();
  EXPECT_EQ(weapons->Count, 0);
  Weapon w;
  for (int n = 1; n <= 100; ++n) {
    w.Number = n;
    ASSERT_TRUE(weapons->Append(w));
  }
  EXPECT_FALSE(weapons->Append(w));
  EXPECT_EQ(weapons->Count, 100);
  EXPECT_EQ(weapons->at(1).Number, 1);
  EXPECT_EQ(weapons->at(100).Number, 100);
  EXPECT_THROW(weapons->at(0), std::out_of_range);
  EXPECT_THROW(weapons->at(101), std::out_of_range);
  EXPECT_EQ(weapons->Find(101), nullptr);
  EXPECT_TRUE(weapons->IsLoaded(100));
  EXPECT_FALSE(weapons->IsLoaded(0));
}

TEST(Catalog, ClearingTheCountKeepsTheSlots) {
  auto spells = std::make_unique<Catalog<Spell>>();
  Spell s;
  s.Known = 1;
  spells->Append(s);
  spells->Count = 0;
  EXPECT_EQ(spells->at(1).Known, 1);
  EXPECT_FALSE(spells->IsLoaded(1));
}

TEST(Catalog, UnreadSlotsAreZeroBytes) {
  auto armours = std::make_unique<Catalog<Armour>>();
  EXPECT_EQ(Bytes(armours->at(1)), std::vector<uint8_t>(Armour::kSize, 0));
  EXPECT_EQ(Bytes(armours->at(100)), std::vector<uint8_t>(Armour::kSize, 0));
}

}  // namespace
}  // namespace qv
