#include "data/catalog_records.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "data/byte_io.h"
#include "support/czech_text.h"
#include "support/effects.h"

namespace qv {
namespace {

template <class Record>
std::vector<uint8_t> Bytes(const Record& record) {
  std::vector<uint8_t> out(Record::kSize, 0xEE);
  record.Encode(out.data());
  return out;
}

// Decoding the bytes and encoding again gives the same bytes: every field is
// read back from where it was written.
template <class Record>
void ExpectRoundTrip(const Record& record) {
  const std::vector<uint8_t> first = Bytes(record);
  const Record back = Record::Decode(first.data());
  EXPECT_EQ(Bytes(back), first);
}

using W = Weapon;
using A = Armour;
using I = Item;
using S = Spell;
using T = Attack;
using DiceFields = RecordFields<Dice>;

std::string Text(const std::vector<uint8_t>& bytes, std::size_t offset) {
  return std::string(reinterpret_cast<const char*>(&bytes[offset + 1]), bytes[offset]);
}

Condition MakeCondition(const char* subject) {
  Condition c;
  c.Subject = subject;
  c.Operator = ">";
  c.Value = "4";
  return c;
}

void FillGroups(EffectGroup& effects, ConditionGroup& conditions, const char* tag) {
  for (std::size_t i = 0; i < kGroupSize; ++i) {
    effects[i] = MakeEffect((std::string(tag) + std::to_string(i)).c_str(), '+',
                            static_cast<int32_t>(i + 1));
    conditions[i] = MakeCondition(std::to_string(10 + i).c_str());
  }
}

TEST(CatalogRecords, SizesAreTheFileSizes) {
  EXPECT_EQ(Weapon::kSize, 1796u);
  EXPECT_EQ(Armour::kSize, 1792u);
  EXPECT_EQ(Item::kSize, 1732u);
  EXPECT_EQ(Spell::kSize, 1676u);
  EXPECT_EQ(Attack::kSize, 3812u);
}

TEST(CatalogRecords, WeaponFieldsSitAtTheirOffsets) {
  Weapon w;
  w.Number = 3;
  w.Name = Cz("Meč");
  w.Description = Cz("Ostrý meč");
  w.Dice = {2, 6, -1};  // count, sides, modifier
  w.Damage = 2;
  w.Price = 10;
  w.EffectCount = 5;
  w.Held = -2;
  w.ConditionCount = 5;
  FillGroups(w.Effects, w.Conditions, "sila");
  const auto b = Bytes(w);
  EXPECT_EQ(ReadI32(&b[W::kNumberOffset]), 3);
  EXPECT_EQ(Text(b, W::kNameOffset), Cz("Meč"));
  EXPECT_EQ(Text(b, W::kDescriptionOffset), Cz("Ostrý meč"));
  EXPECT_EQ(ReadI32(&b[W::kDiceOffset + DiceFields::kSidesOffset]), 6);
  EXPECT_EQ(ReadI32(&b[W::kDiceOffset + DiceFields::kCountOffset]), 2);
  EXPECT_EQ(ReadI32(&b[W::kDiceOffset + DiceFields::kModifierOffset]), -1);
  EXPECT_EQ(ReadI32(&b[W::kDamageOffset]), 2);
  EXPECT_EQ(ReadI32(&b[W::kPriceOffset]), 10);
  EXPECT_EQ(b[W::kEffectCountOffset], 5);
  EXPECT_EQ(b[W::kEffectCountOffset + 1], 0);  // padding is zero
  EXPECT_EQ(Text(b, W::kEffectsOffset), "sila0");
  EXPECT_EQ(Text(b, W::kEffectsOffset + 4 * Effect::kSize), "sila4");
  EXPECT_EQ(ReadI16(&b[W::kHeldOffset]), -2);
  EXPECT_EQ(ReadI32(&b[W::kConditionCountOffset]), 5);
  EXPECT_EQ(Text(b, W::kConditionsOffset), "10");
  EXPECT_EQ(Text(b, W::kConditionsOffset + 4 * Condition::kSize), "14");
  ExpectRoundTrip(w);
}

TEST(CatalogRecords, ArmourFieldsSitAtTheirOffsets) {
  Armour a;
  a.Number = 4;
  a.Name = Cz("Kroužková");
  a.Description = Cz("Těká");
  a.Defence = 3;
  a.Toughness = 2;
  a.AttackPenalty = 1;
  a.Price = 50;
  a.EffectCount = 1;
  a.Held = 1;
  a.ConditionCount = 2;
  FillGroups(a.Effects, a.Conditions, "obratnost");
  const auto b = Bytes(a);
  EXPECT_EQ(ReadI32(&b[A::kNumberOffset]), 4);
  EXPECT_EQ(Text(b, A::kNameOffset), Cz("Kroužková"));
  EXPECT_EQ(Text(b, A::kDescriptionOffset), Cz("Těká"));
  EXPECT_EQ(ReadI32(&b[A::kDefenceOffset]), 3);
  EXPECT_EQ(ReadI32(&b[A::kToughnessOffset]), 2);
  EXPECT_EQ(ReadI32(&b[A::kAttackPenaltyOffset]), 1);
  EXPECT_EQ(ReadI32(&b[A::kPriceOffset]), 50);
  EXPECT_EQ(b[A::kEffectCountOffset], 1);
  EXPECT_EQ(Text(b, A::kEffectsOffset), "obratnost0");
  EXPECT_EQ(ReadI16(&b[A::kHeldOffset]), 1);
  EXPECT_EQ(ReadI32(&b[A::kConditionCountOffset]), 2);
  EXPECT_EQ(Text(b, A::kConditionsOffset + Condition::kSize), "11");
  ExpectRoundTrip(a);
}

TEST(CatalogRecords, ItemFieldsSitAtTheirOffsets) {
  Item it;
  it.Number = 7;
  it.Name = "Lektvar";
  it.Description = Cz("Léčivý");
  it.Price = 5;
  it.UseWord = "mimoboj";
  it.EffectCount = 2;
  it.Held = 70000;  // items hold a full int32
  it.ConditionCount = 1;
  FillGroups(it.Effects, it.Conditions, "zivoty");
  const auto b = Bytes(it);
  EXPECT_EQ(ReadI32(&b[I::kNumberOffset]), 7);
  EXPECT_EQ(Text(b, I::kNameOffset), "Lektvar");
  EXPECT_EQ(Text(b, I::kDescriptionOffset), Cz("Léčivý"));
  EXPECT_EQ(ReadI32(&b[I::kPriceOffset]), 5);
  EXPECT_EQ(Text(b, I::kUseWordOffset), "mimoboj");
  EXPECT_EQ(b[I::kEffectCountOffset], 2);
  EXPECT_EQ(Text(b, I::kEffectsOffset + Effect::kSize), "zivoty1");
  EXPECT_EQ(ReadI32(&b[I::kHeldOffset]), 70000);
  EXPECT_EQ(ReadI32(&b[I::kConditionCountOffset]), 1);
  EXPECT_EQ(Text(b, I::kConditionsOffset), "10");
  ExpectRoundTrip(it);
}

TEST(CatalogRecords, SpellFieldsSitAtTheirOffsets) {
  Spell s;
  s.Number = 2;
  s.Name = Cz("Ohnivá koule");
  s.Description = Cz("Pálí");
  s.ManaCost = 4;
  s.EffectCount = 3;
  s.Known = 1;
  s.ConditionCount = 4;
  FillGroups(s.Effects, s.Conditions, "zraneni");
  const auto b = Bytes(s);
  EXPECT_EQ(ReadI32(&b[S::kNumberOffset]), 2);
  EXPECT_EQ(Text(b, S::kNameOffset), Cz("Ohnivá koule"));
  EXPECT_EQ(Text(b, S::kDescriptionOffset), Cz("Pálí"));
  EXPECT_EQ(ReadI32(&b[S::kManaCostOffset]), 4);
  EXPECT_EQ(b[S::kEffectCountOffset], 3);
  EXPECT_EQ(Text(b, S::kEffectsOffset + 2 * Effect::kSize), "zraneni2");
  EXPECT_EQ(b[S::kKnownOffset], 1);
  EXPECT_EQ(b[S::kKnownOffset + 1], 0);
  EXPECT_EQ(ReadI32(&b[S::kConditionCountOffset]), 4);
  EXPECT_EQ(Text(b, S::kConditionsOffset + 3 * Condition::kSize), "13");
  ExpectRoundTrip(s);
}

TEST(CatalogRecords, AttackStoresItsFourthTextBeforeTheThird) {
  Attack a;
  a.Number = 9;
  a.Name = "Sek";
  a.Description = "popis";
  a.HitText = "zasah";
  a.NoDamageText = "bez zraneni";
  a.MissText = "vedle";
  a.EnergyCost = 3;
  a.ManaCost = 1;
  a.AttackFormula = "#zbran+#sila";
  a.DamageFormula = "#poskozeni";
  a.PlainEffectCount = 1;
  a.HitEffectCount = 2;
  a.MissEffectCount = 3;
  a.Known = 1;
  a.ConditionCount = 5;
  FillGroups(a.PlainEffects, a.Conditions, "plain");
  for (std::size_t i = 0; i < kGroupSize; ++i) {
    a.HitEffects[i] = MakeEffect("hit", ':', static_cast<int32_t>(i));
    a.MissEffects[i] = MakeEffect("miss", '!', static_cast<int32_t>(i));
  }
  const auto b = Bytes(a);
  EXPECT_EQ(ReadI32(&b[T::kNumberOffset]), 9);
  EXPECT_EQ(Text(b, T::kNameOffset), "Sek");
  EXPECT_EQ(Text(b, T::kDescriptionOffset), "popis");
  EXPECT_EQ(Text(b, T::kHitTextOffset), "zasah");
  EXPECT_EQ(Text(b, T::kMissTextOffset), "vedle");
  EXPECT_EQ(Text(b, T::kNoDamageTextOffset), "bez zraneni");
  EXPECT_EQ(ReadI32(&b[T::kEnergyCostOffset]), 3);
  EXPECT_EQ(ReadI32(&b[T::kManaCostOffset]), 1);
  EXPECT_EQ(Text(b, T::kAttackFormulaOffset), "#zbran+#sila");
  EXPECT_EQ(Text(b, T::kDamageFormulaOffset), "#poskozeni");
  EXPECT_EQ(b[T::kPlainEffectCountOffset], 1);
  EXPECT_EQ(Text(b, T::kPlainEffectsOffset), "plain0");
  EXPECT_EQ(b[T::kHitEffectCountOffset], 2);
  EXPECT_EQ(Text(b, T::kHitEffectsOffset), "hit");
  EXPECT_EQ(b[T::kMissEffectCountOffset], 3);
  EXPECT_EQ(Text(b, T::kMissEffectsOffset), "miss");
  EXPECT_EQ(b[T::kMissEffectsOffset + 4 * Effect::kSize + Effect::kOperatorOffset], '!');
  EXPECT_EQ(b[T::kKnownOffset], 1);
  EXPECT_EQ(ReadI32(&b[T::kConditionCountOffset]), 5);
  EXPECT_EQ(Text(b, T::kConditionsOffset + 4 * Condition::kSize), "14");
  ExpectRoundTrip(a);
}

TEST(CatalogRecords, EmptySlotsEncodeAsBlankEffectsAndZeroEqualsZeroConditions) {
  const auto b = Bytes(Weapon{});
  EXPECT_EQ(b[W::kEffectsOffset], 0);                              // empty name
  EXPECT_EQ(b[W::kEffectsOffset + Effect::kOperatorOffset], ' ');  // operator " "
  EXPECT_EQ(ReadI32(&b[W::kEffectsOffset + Effect::kAmountOffset]), 0);
  EXPECT_EQ(Text(b, W::kConditionsOffset), "0");                               // subject "0"
  EXPECT_EQ(Text(b, W::kConditionsOffset + Condition::kOperatorOffset), "=");  // operator "="
  EXPECT_EQ(Text(b, W::kConditionsOffset + Condition::kValueOffset), "0");     // value "0"
}

TEST(CatalogRecords, UsedGroupsNeverReachPastFiveEntries) {
  Weapon w;
  w.EffectCount = 200;  // as read from a damaged file
  w.ConditionCount = -3;
  EXPECT_EQ(w.UsedEffects().size(), 5u);
  EXPECT_EQ(w.UsedConditions().size(), 0u);
  Attack a;
  a.HitEffectCount = 2;
  EXPECT_EQ(a.UsedHitEffects().size(), 2u);
  EXPECT_EQ(a.UsedMissEffects().size(), 0u);
}

}  // namespace
}  // namespace qv
