#include "state/equipment_exchange.h"

#include <gtest/gtest.h>

#include <memory>

#include "support/czech_text.h"
#include "support/effects.h"

namespace qv {
namespace {

std::unique_ptr<CharacterState> Hero() {
  auto c = std::make_unique<CharacterState>();
  c->SILA = 5;
  c->OBRATNOST = 4;
  c->MAXZIVOTY = 20;
  c->MAXMANA = 6;
  c->RYCHLOST = 3;
  c->ENERGIE = 10;
  return c;
}

Weapon Sword() {
  Weapon w;
  w.Number = 3;
  w.Name = Cz("Meč");
  w.Description = Cz("Ostrý meč");
  w.Dice = {1, 6, 1};
  w.Damage = 2;
  w.Price = 10;
  w.Held = 4;
  w.EffectCount = 4;
  w.Effects[0] = MakeEffect("sila", '+', 2);
  w.Effects[1] = MakeEffect("obratnost", '-', 1);
  w.Effects[2] = MakeEffect("sila", '*', 3);      // not a modifier of attributes
  w.Effects[3] = MakeEffect("zivoty", '+', 5);    // left to item use and combat
  w.Effects[4] = MakeEffect("energie", '+', 9);   // past the count: not used
  w.ConditionCount = 1;
  w.Conditions[0].Serial = 77;
  return w;
}

TEST(EquipmentExchange, PuttingOnAndTakingOffCancel) {
  auto hero = Hero();
  PutOnWeapon(*hero, Sword());
  EXPECT_EQ(hero->CurrentWeapon.Number, 3);
  EXPECT_EQ(hero->SILA, 7);
  EXPECT_EQ(hero->OBRATNOST, 3);
  EXPECT_EQ(hero->ENERGIE, 10);
  EXPECT_EQ(hero->ZIVOTY, 0);
  TakeOffWeapon(*hero);
  EXPECT_EQ(hero->SILA, 5);
  EXPECT_EQ(hero->OBRATNOST, 4);
  EXPECT_EQ(hero->CurrentWeapon.Number, 3);  // still in hand until replaced
}

TEST(EquipmentExchange, DroppingTheWeaponLeavesTheEmptyHandWithItsConditions) {
  auto hero = Hero();
  PutOnWeapon(*hero, Sword());
  DropWeaponInHand(*hero);
  const Weapon& hand = hero->CurrentWeapon;
  EXPECT_EQ(hero->SILA, 5);
  EXPECT_EQ(hand.Number, 0);
  EXPECT_EQ(hand.Name, "Nic");
  EXPECT_EQ(hand.Description, "-");
  EXPECT_EQ(hand.Dice.Count, 0);
  EXPECT_EQ(hand.Dice.Sides, 0);
  EXPECT_EQ(hand.Dice.Modifier, 0);
  EXPECT_EQ(hand.Damage, 0);
  EXPECT_EQ(hand.Price, 0);
  EXPECT_EQ(hand.EffectCount, 0);
  EXPECT_TRUE(hand.UsedEffects().empty());
  EXPECT_EQ(hand.Held, 0);
  EXPECT_EQ(hand.ConditionCount, 1);
  EXPECT_EQ(hand.Conditions[0].Serial, 77);
  // Dropping the empty hand again changes nothing.
  DropWeaponInHand(*hero);
  EXPECT_EQ(hero->SILA, 5);
  EXPECT_EQ(hero->OBRATNOST, 4);
}

TEST(EquipmentExchange, DroppingTheArmourLeavesNoneAndTakesBackItsModifiers) {
  auto hero = Hero();
  Armour plate;
  plate.Number = 2;
  plate.Name = Cz("Kroužková zbroj");
  plate.Description = Cz("Těžká");
  plate.Defence = 3;
  plate.Toughness = 2;
  plate.AttackPenalty = 1;
  plate.Price = 20;
  plate.Held = 1;
  plate.EffectCount = 2;
  plate.Effects[0] = MakeEffect("rychlost", '-', 2);
  plate.Effects[1] = MakeEffect("maxzivoty", '+', 3);
  plate.ConditionCount = 2;
  PutOnArmour(*hero, plate);
  EXPECT_EQ(hero->RYCHLOST, 1);
  EXPECT_EQ(hero->MAXZIVOTY, 23);
  DropArmourWorn(*hero);
  const Armour& worn = hero->CurrentArmour;
  EXPECT_EQ(hero->RYCHLOST, 3);
  EXPECT_EQ(hero->MAXZIVOTY, 20);
  EXPECT_EQ(worn.Number, 0);
  EXPECT_EQ(worn.Name, "Nic");
  EXPECT_EQ(worn.Description, "-");
  EXPECT_EQ(worn.Defence, 0);
  EXPECT_EQ(worn.Toughness, 0);
  EXPECT_EQ(worn.AttackPenalty, 0);
  EXPECT_EQ(worn.Price, 0);
  EXPECT_EQ(worn.EffectCount, 0);
  EXPECT_EQ(worn.Held, 0);
  EXPECT_EQ(worn.ConditionCount, 2);
}

TEST(EquipmentExchange, ADamagedEffectCountReadsNoFurtherThanTheGroup) {
  auto hero = Hero();
  Weapon w = Sword();
  w.EffectCount = 200;
  w.Effects[2] = MakeEffect("sila", '+', 1);
  w.Effects[3] = MakeEffect("sila", '+', 1);
  PutOnWeapon(*hero, w);
  EXPECT_EQ(hero->SILA, 5 + 2 + 1 + 1);
  EXPECT_EQ(hero->ENERGIE, 19);
  TakeOffWeapon(*hero);
  EXPECT_EQ(hero->SILA, 5);
  EXPECT_EQ(hero->ENERGIE, 10);
}

}  // namespace
}  // namespace qv
