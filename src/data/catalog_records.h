// The records of the five catalogs: weapons, armour, items, spells, attacks.
//
// Saved positions hold the catalog arrays byte for byte and the character's
// weapon and armour in hand are full copies of these records, so each record
// keeps its on-disk layout: the field list after each struct (RecordFields,
// see data/record_fields.h) places every field at a fixed offset. Padding
// between fields is written as zero.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "data/condition.h"
#include "data/dice.h"
#include "data/effect.h"
#include "data/record_fields.h"
#include "data/short_string.h"

namespace qv {

// Effects and conditions come in groups of five, each with its own count.
inline constexpr std::size_t kGroupSize = 5;
using EffectGroup = std::array<Effect, kGroupSize>;
using ConditionGroup = std::array<Condition, kGroupSize>;

// The used part of a group. A count read from a damaged file may exceed the
// group; it is cut to the group so nobody reads past it.
inline std::span<const Effect> UsedEffects(const EffectGroup& group, long long count) {
  return {group.data(), static_cast<std::size_t>(std::clamp<long long>(count, 0, kGroupSize))};
}
inline std::span<const Condition> UsedConditions(const ConditionGroup& group, long long count) {
  return {group.data(), static_cast<std::size_t>(std::clamp<long long>(count, 0, kGroupSize))};
}

// The attack roll of a weapon, 12 bytes inside the record: the sides first.
template <>
struct RecordFields<Dice> {
  static constexpr std::size_t kSize = 12;
  static constexpr std::size_t kSidesOffset = 0;
  static constexpr std::size_t kCountOffset = 4;
  static constexpr std::size_t kModifierOffset = 8;
  template <class V>
  static constexpr void Describe(V& v) {
    // Shown in the order "XkY+Z" is written.
    v.Field("count", kCountOffset, &Dice::Count);
    v.Field("sides", kSidesOffset, &Dice::Sides);
    v.Field("modifier", kModifierOffset, &Dice::Modifier);
  }
};

struct Weapon {
  static constexpr std::size_t kSize = 1796;
  static constexpr std::size_t kNumberOffset = 0;
  static constexpr std::size_t kNameOffset = 4;
  static constexpr std::size_t kDescriptionOffset = 105;
  static constexpr std::size_t kDiceOffset = 364;
  static constexpr std::size_t kDamageOffset = 376;
  static constexpr std::size_t kPriceOffset = 380;
  static constexpr std::size_t kEffectCountOffset = 384;
  static constexpr std::size_t kEffectsOffset = 388;
  static constexpr std::size_t kHeldOffset = 948;
  static constexpr std::size_t kConditionCountOffset = 952;
  static constexpr std::size_t kConditionsOffset = 956;

  int32_t Number = 0;  // as written in the line; not used to place the record
  ShortString<100> Name;
  ShortString<255> Description;
  qv::Dice Dice;       // attack roll XkY+Z
  int32_t Damage = 0;  // poškození
  int32_t Price = 0;
  uint8_t EffectCount = 0;
  EffectGroup Effects{};
  int16_t Held = 0;  // how many the player holds
  int32_t ConditionCount = 0;
  ConditionGroup Conditions{};

  std::span<const Effect> UsedEffects() const { return qv::UsedEffects(Effects, EffectCount); }
  std::span<const Condition> UsedConditions() const {
    return qv::UsedConditions(Conditions, ConditionCount);
  }

  void Encode(uint8_t* out) const;
  static Weapon Decode(const uint8_t* in);
};

template <>
struct RecordFields<Weapon> {
  static constexpr std::size_t kSize = Weapon::kSize;
  template <class V>
  static constexpr void Describe(V& v) {
    using R = Weapon;
    v.Field("number", R::kNumberOffset, &R::Number);
    v.Field("name", R::kNameOffset, &R::Name);
    v.Field("description", R::kDescriptionOffset, &R::Description);
    v.Padding(361, 3);
    v.Field("dice", R::kDiceOffset, &R::Dice);
    v.Field("damage", R::kDamageOffset, &R::Damage);
    v.Field("price", R::kPriceOffset, &R::Price);
    v.Field("effect_count", R::kEffectCountOffset, &R::EffectCount, kHidden);
    v.Padding(385, 3);
    v.Counted("effects", R::kEffectsOffset, &R::Effects, &R::EffectCount);
    v.Field("held", R::kHeldOffset, &R::Held);
    v.Padding(950, 2);
    v.Field("condition_count", R::kConditionCountOffset, &R::ConditionCount, kHidden);
    v.Counted("conditions", R::kConditionsOffset, &R::Conditions, &R::ConditionCount);
  }
};

struct Armour {
  static constexpr std::size_t kSize = 1792;
  static constexpr std::size_t kNumberOffset = 0;
  static constexpr std::size_t kNameOffset = 4;
  static constexpr std::size_t kDescriptionOffset = 105;
  static constexpr std::size_t kDefenceOffset = 364;
  static constexpr std::size_t kToughnessOffset = 368;
  static constexpr std::size_t kAttackPenaltyOffset = 372;
  static constexpr std::size_t kPriceOffset = 376;
  static constexpr std::size_t kEffectCountOffset = 380;
  static constexpr std::size_t kEffectsOffset = 384;
  static constexpr std::size_t kHeldOffset = 944;
  static constexpr std::size_t kConditionCountOffset = 948;
  static constexpr std::size_t kConditionsOffset = 952;

  int32_t Number = 0;
  ShortString<100> Name;
  ShortString<255> Description;
  int32_t Defence = 0;        // obrana
  int32_t Toughness = 0;      // tvrdost
  int32_t AttackPenalty = 0;  // subtracted from the wearer's attack
  int32_t Price = 0;
  uint8_t EffectCount = 0;
  EffectGroup Effects{};
  int16_t Held = 0;
  int32_t ConditionCount = 0;
  ConditionGroup Conditions{};

  std::span<const Effect> UsedEffects() const { return qv::UsedEffects(Effects, EffectCount); }
  std::span<const Condition> UsedConditions() const {
    return qv::UsedConditions(Conditions, ConditionCount);
  }

  void Encode(uint8_t* out) const;
  static Armour Decode(const uint8_t* in);
};

template <>
struct RecordFields<Armour> {
  static constexpr std::size_t kSize = Armour::kSize;
  template <class V>
  static constexpr void Describe(V& v) {
    using R = Armour;
    v.Field("number", R::kNumberOffset, &R::Number);
    v.Field("name", R::kNameOffset, &R::Name);
    v.Field("description", R::kDescriptionOffset, &R::Description);
    v.Padding(361, 3);
    v.Field("defence", R::kDefenceOffset, &R::Defence);
    v.Field("toughness", R::kToughnessOffset, &R::Toughness);
    v.Field("attack_penalty", R::kAttackPenaltyOffset, &R::AttackPenalty);
    v.Field("price", R::kPriceOffset, &R::Price);
    v.Field("effect_count", R::kEffectCountOffset, &R::EffectCount, kHidden);
    v.Padding(381, 3);
    v.Counted("effects", R::kEffectsOffset, &R::Effects, &R::EffectCount);
    v.Field("held", R::kHeldOffset, &R::Held);
    v.Padding(946, 2);
    v.Field("condition_count", R::kConditionCountOffset, &R::ConditionCount, kHidden);
    v.Counted("conditions", R::kConditionsOffset, &R::Conditions, &R::ConditionCount);
  }
};

struct Item {
  static constexpr std::size_t kSize = 1732;
  static constexpr std::size_t kNumberOffset = 0;
  static constexpr std::size_t kNameOffset = 4;
  static constexpr std::size_t kDescriptionOffset = 55;
  static constexpr std::size_t kPriceOffset = 308;
  static constexpr std::size_t kUseWordOffset = 312;
  static constexpr std::size_t kEffectCountOffset = 323;
  static constexpr std::size_t kEffectsOffset = 324;
  static constexpr std::size_t kHeldOffset = 884;
  static constexpr std::size_t kConditionCountOffset = 888;
  static constexpr std::size_t kConditionsOffset = 892;

  int32_t Number = 0;
  ShortString<50> Name;
  ShortString<250> Description;
  int32_t Price = 0;
  ShortString<10> UseWord;  // "boj", "mimoboj" or "vzdy"
  uint8_t EffectCount = 0;
  EffectGroup Effects{};
  int32_t Held = 0;
  int32_t ConditionCount = 0;
  ConditionGroup Conditions{};

  std::span<const Effect> UsedEffects() const { return qv::UsedEffects(Effects, EffectCount); }
  std::span<const Condition> UsedConditions() const {
    return qv::UsedConditions(Conditions, ConditionCount);
  }

  void Encode(uint8_t* out) const;
  static Item Decode(const uint8_t* in);
};

template <>
struct RecordFields<Item> {
  static constexpr std::size_t kSize = Item::kSize;
  template <class V>
  static constexpr void Describe(V& v) {
    using R = Item;
    v.Field("number", R::kNumberOffset, &R::Number);
    v.Field("name", R::kNameOffset, &R::Name);
    v.Field("description", R::kDescriptionOffset, &R::Description);
    v.Padding(306, 2);
    v.Field("price", R::kPriceOffset, &R::Price);
    v.Field("use_word", R::kUseWordOffset, &R::UseWord);
    v.Field("effect_count", R::kEffectCountOffset, &R::EffectCount, kHidden);
    v.Counted("effects", R::kEffectsOffset, &R::Effects, &R::EffectCount);
    v.Field("held", R::kHeldOffset, &R::Held);
    v.Field("condition_count", R::kConditionCountOffset, &R::ConditionCount, kHidden);
    v.Counted("conditions", R::kConditionsOffset, &R::Conditions, &R::ConditionCount);
  }
};

struct Spell {
  static constexpr std::size_t kSize = 1676;
  static constexpr std::size_t kNumberOffset = 0;
  static constexpr std::size_t kNameOffset = 4;
  static constexpr std::size_t kDescriptionOffset = 55;
  static constexpr std::size_t kManaCostOffset = 256;
  static constexpr std::size_t kEffectCountOffset = 260;
  static constexpr std::size_t kEffectsOffset = 264;
  static constexpr std::size_t kKnownOffset = 824;
  static constexpr std::size_t kConditionCountOffset = 832;
  static constexpr std::size_t kConditionsOffset = 836;

  int32_t Number = 0;
  ShortString<50> Name;
  ShortString<200> Description;
  int32_t ManaCost = 0;
  uint8_t EffectCount = 0;
  EffectGroup Effects{};
  uint8_t Known = 0;  // 1: the player knows the spell
  int32_t ConditionCount = 0;
  ConditionGroup Conditions{};

  std::span<const Effect> UsedEffects() const { return qv::UsedEffects(Effects, EffectCount); }
  std::span<const Condition> UsedConditions() const {
    return qv::UsedConditions(Conditions, ConditionCount);
  }

  void Encode(uint8_t* out) const;
  static Spell Decode(const uint8_t* in);
};

template <>
struct RecordFields<Spell> {
  static constexpr std::size_t kSize = Spell::kSize;
  template <class V>
  static constexpr void Describe(V& v) {
    using R = Spell;
    v.Field("number", R::kNumberOffset, &R::Number);
    v.Field("name", R::kNameOffset, &R::Name);
    v.Field("description", R::kDescriptionOffset, &R::Description);
    v.Field("mana_cost", R::kManaCostOffset, &R::ManaCost);
    v.Field("effect_count", R::kEffectCountOffset, &R::EffectCount, kHidden);
    v.Padding(261, 3);
    v.Counted("effects", R::kEffectsOffset, &R::Effects, &R::EffectCount);
    v.Field("known", R::kKnownOffset, &R::Known);
    v.Padding(825, 7);
    v.Field("condition_count", R::kConditionCountOffset, &R::ConditionCount, kHidden);
    v.Counted("conditions", R::kConditionsOffset, &R::Conditions, &R::ConditionCount);
  }
};

struct Attack {
  static constexpr std::size_t kSize = 3812;
  static constexpr std::size_t kNumberOffset = 0;
  static constexpr std::size_t kNameOffset = 4;
  static constexpr std::size_t kDescriptionOffset = 55;
  static constexpr std::size_t kHitTextOffset = 256;
  // The fourth text of the line is stored before the third.
  static constexpr std::size_t kMissTextOffset = 457;
  static constexpr std::size_t kNoDamageTextOffset = 658;
  static constexpr std::size_t kEnergyCostOffset = 860;
  static constexpr std::size_t kManaCostOffset = 864;
  static constexpr std::size_t kAttackFormulaOffset = 868;
  static constexpr std::size_t kDamageFormulaOffset = 1069;
  static constexpr std::size_t kPlainEffectCountOffset = 1270;
  static constexpr std::size_t kPlainEffectsOffset = 1272;
  static constexpr std::size_t kHitEffectCountOffset = 1832;
  static constexpr std::size_t kHitEffectsOffset = 1836;
  static constexpr std::size_t kMissEffectCountOffset = 2396;
  static constexpr std::size_t kMissEffectsOffset = 2400;
  static constexpr std::size_t kKnownOffset = 2960;
  static constexpr std::size_t kConditionCountOffset = 2968;
  static constexpr std::size_t kConditionsOffset = 2972;

  int32_t Number = 0;
  ShortString<50> Name;
  ShortString<200> Description;   // first text: shown on hover
  ShortString<200> HitText;       // second text
  ShortString<200> NoDamageText;  // third text
  ShortString<200> MissText;      // fourth text
  int32_t EnergyCost = 0;
  int32_t ManaCost = 0;
  ShortString<200> AttackFormula;
  ShortString<200> DamageFormula;
  uint8_t PlainEffectCount = 0;  // applied after every use
  EffectGroup PlainEffects{};
  uint8_t HitEffectCount = 0;  // ":" effects, applied on a hit
  EffectGroup HitEffects{};
  uint8_t MissEffectCount = 0;  // "!" effects, applied on a miss
  EffectGroup MissEffects{};
  uint8_t Known = 0;  // 1: the player knows the attack
  int32_t ConditionCount = 0;
  ConditionGroup Conditions{};

  std::span<const Effect> UsedPlainEffects() const {
    return qv::UsedEffects(PlainEffects, PlainEffectCount);
  }
  std::span<const Effect> UsedHitEffects() const {
    return qv::UsedEffects(HitEffects, HitEffectCount);
  }
  std::span<const Effect> UsedMissEffects() const {
    return qv::UsedEffects(MissEffects, MissEffectCount);
  }
  std::span<const Condition> UsedConditions() const {
    return qv::UsedConditions(Conditions, ConditionCount);
  }

  void Encode(uint8_t* out) const;
  static Attack Decode(const uint8_t* in);
};

template <>
struct RecordFields<Attack> {
  static constexpr std::size_t kSize = Attack::kSize;
  template <class V>
  static constexpr void Describe(V& v) {
    using R = Attack;
    v.Field("number", R::kNumberOffset, &R::Number);
    v.Field("name", R::kNameOffset, &R::Name);
    v.Field("description", R::kDescriptionOffset, &R::Description);
    v.Field("hit_text", R::kHitTextOffset, &R::HitText);
    v.Field("miss_text", R::kMissTextOffset, &R::MissText);
    v.Field("no_damage_text", R::kNoDamageTextOffset, &R::NoDamageText);
    v.Padding(859, 1);
    v.Field("energy_cost", R::kEnergyCostOffset, &R::EnergyCost);
    v.Field("mana_cost", R::kManaCostOffset, &R::ManaCost);
    v.Field("attack_formula", R::kAttackFormulaOffset, &R::AttackFormula);
    v.Field("damage_formula", R::kDamageFormulaOffset, &R::DamageFormula);
    v.Field("plain_effect_count", R::kPlainEffectCountOffset, &R::PlainEffectCount, kHidden);
    v.Padding(1271, 1);
    v.Counted("plain_effects", R::kPlainEffectsOffset, &R::PlainEffects, &R::PlainEffectCount);
    v.Field("hit_effect_count", R::kHitEffectCountOffset, &R::HitEffectCount, kHidden);
    v.Padding(1833, 3);
    v.Counted("hit_effects", R::kHitEffectsOffset, &R::HitEffects, &R::HitEffectCount);
    v.Field("miss_effect_count", R::kMissEffectCountOffset, &R::MissEffectCount, kHidden);
    v.Padding(2397, 3);
    v.Counted("miss_effects", R::kMissEffectsOffset, &R::MissEffects, &R::MissEffectCount);
    v.Field("known", R::kKnownOffset, &R::Known);
    v.Padding(2961, 7);
    v.Field("condition_count", R::kConditionCountOffset, &R::ConditionCount, kHidden);
    v.Counted("conditions", R::kConditionsOffset, &R::Conditions, &R::ConditionCount);
  }
};

// The record as all-zero bytes decode: what a slot holds before anything was
// read into it. (A default-constructed record is instead an empty record as a
// catalog line gives it, with blank effect and condition slots.)
template <class Record>
Record ZeroRecord() {
  static constexpr std::array<uint8_t, Record::kSize> kZeros{};
  return Record::Decode(kZeros.data());
}

}  // namespace qv
