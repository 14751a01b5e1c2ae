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
  EXPECT_EQ(ReadI32(&b[0]), 3);
  EXPECT_EQ(Text(b, 4), Cz("Meč"));
  EXPECT_EQ(Text(b, 105), Cz("Ostrý meč"));
  EXPECT_EQ(ReadI32(&b[364]), 6);
  EXPECT_EQ(ReadI32(&b[368]), 2);
  EXPECT_EQ(ReadI32(&b[372]), -1);
  EXPECT_EQ(ReadI32(&b[376]), 2);
  EXPECT_EQ(ReadI32(&b[380]), 10);
  EXPECT_EQ(b[384], 5);
  EXPECT_EQ(b[385], 0);  // padding is zero
  EXPECT_EQ(Text(b, 388), "sila0");
  EXPECT_EQ(Text(b, 388 + 4 * 112), "sila4");
  EXPECT_EQ(ReadI16(&b[948]), -2);
  EXPECT_EQ(ReadI32(&b[952]), 5);
  EXPECT_EQ(Text(b, 956), "10");
  EXPECT_EQ(Text(b, 956 + 4 * 168), "14");
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
  EXPECT_EQ(ReadI32(&b[0]), 4);
  EXPECT_EQ(Text(b, 4), Cz("Kroužková"));
  EXPECT_EQ(Text(b, 105), Cz("Těká"));
  EXPECT_EQ(ReadI32(&b[364]), 3);
  EXPECT_EQ(ReadI32(&b[368]), 2);
  EXPECT_EQ(ReadI32(&b[372]), 1);
  EXPECT_EQ(ReadI32(&b[376]), 50);
  EXPECT_EQ(b[380], 1);
  EXPECT_EQ(Text(b, 384), "obratnost0");
  EXPECT_EQ(ReadI16(&b[944]), 1);
  EXPECT_EQ(ReadI32(&b[948]), 2);
  EXPECT_EQ(Text(b, 952 + 168), "11");
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
  EXPECT_EQ(ReadI32(&b[0]), 7);
  EXPECT_EQ(Text(b, 4), "Lektvar");
  EXPECT_EQ(Text(b, 55), Cz("Léčivý"));
  EXPECT_EQ(ReadI32(&b[308]), 5);
  EXPECT_EQ(Text(b, 312), "mimoboj");
  EXPECT_EQ(b[323], 2);
  EXPECT_EQ(Text(b, 324 + 112), "zivoty1");
  EXPECT_EQ(ReadI32(&b[884]), 70000);
  EXPECT_EQ(ReadI32(&b[888]), 1);
  EXPECT_EQ(Text(b, 892), "10");
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
  EXPECT_EQ(ReadI32(&b[0]), 2);
  EXPECT_EQ(Text(b, 4), Cz("Ohnivá koule"));
  EXPECT_EQ(Text(b, 55), Cz("Pálí"));
  EXPECT_EQ(ReadI32(&b[256]), 4);
  EXPECT_EQ(b[260], 3);
  EXPECT_EQ(Text(b, 264 + 2 * 112), "zraneni2");
  EXPECT_EQ(b[824], 1);
  EXPECT_EQ(b[825], 0);
  EXPECT_EQ(ReadI32(&b[832]), 4);
  EXPECT_EQ(Text(b, 836 + 3 * 168), "13");
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
  EXPECT_EQ(ReadI32(&b[0]), 9);
  EXPECT_EQ(Text(b, 4), "Sek");
  EXPECT_EQ(Text(b, 55), "popis");
  EXPECT_EQ(Text(b, 256), "zasah");
  EXPECT_EQ(Text(b, 457), "vedle");
  EXPECT_EQ(Text(b, 658), "bez zraneni");
  EXPECT_EQ(ReadI32(&b[860]), 3);
  EXPECT_EQ(ReadI32(&b[864]), 1);
  EXPECT_EQ(Text(b, 868), "#zbran+#sila");
  EXPECT_EQ(Text(b, 1069), "#poskozeni");
  EXPECT_EQ(b[1270], 1);
  EXPECT_EQ(Text(b, 1272), "plain0");
  EXPECT_EQ(b[1832], 2);
  EXPECT_EQ(Text(b, 1836), "hit");
  EXPECT_EQ(b[2396], 3);
  EXPECT_EQ(Text(b, 2400), "miss");
  EXPECT_EQ(b[2400 + 4 * 112 + 101], '!');
  EXPECT_EQ(b[2960], 1);
  EXPECT_EQ(ReadI32(&b[2968]), 5);
  EXPECT_EQ(Text(b, 2972 + 4 * 168), "14");
  ExpectRoundTrip(a);
}

TEST(CatalogRecords, EmptySlotsEncodeAsBlankEffectsAndZeroEqualsZeroConditions) {
  const auto b = Bytes(Weapon{});
  EXPECT_EQ(b[388], 0);          // empty name
  EXPECT_EQ(b[388 + 101], ' ');  // operator " "
  EXPECT_EQ(ReadI32(&b[388 + 104]), 0);
  EXPECT_EQ(Text(b, 956), "0");        // subject "0"
  EXPECT_EQ(Text(b, 956 + 51), "=");   // operator "="
  EXPECT_EQ(Text(b, 956 + 102), "0");  // value "0"
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
