#include "data/catalog_records.h"

#include <cstring>

#include "data/byte_io.h"

namespace qv {
namespace {

constexpr std::size_t kEffectsBytes = kGroupSize * Effect::kSize;
constexpr std::size_t kConditionsBytes = kGroupSize * Condition::kSize;

void EncodeEffects(uint8_t* out, const EffectGroup& group) {
  for (std::size_t i = 0; i < kGroupSize; ++i) group[i].Encode(out + i * Effect::kSize);
}

EffectGroup DecodeEffects(const uint8_t* in) {
  EffectGroup group;
  for (std::size_t i = 0; i < kGroupSize; ++i) group[i] = Effect::Decode(in + i * Effect::kSize);
  return group;
}

void EncodeConditions(uint8_t* out, const ConditionGroup& group) {
  for (std::size_t i = 0; i < kGroupSize; ++i) group[i].Encode(out + i * Condition::kSize);
}

ConditionGroup DecodeConditions(const uint8_t* in) {
  ConditionGroup group;
  for (std::size_t i = 0; i < kGroupSize; ++i) {
    group[i] = Condition::Decode(in + i * Condition::kSize);
  }
  return group;
}

}  // namespace

// ---- Weapon -----------------------------------------------------------------

static_assert(Weapon::kNameOffset + decltype(Weapon::Name)::kFieldSize <=
              Weapon::kDescriptionOffset);
static_assert(Weapon::kDescriptionOffset + decltype(Weapon::Description)::kFieldSize <=
              Weapon::kDiceSidesOffset);
static_assert(Weapon::kDiceModifierOffset + 4 == Weapon::kDamageOffset);
static_assert(Weapon::kPriceOffset + 4 == Weapon::kEffectCountOffset);
static_assert(Weapon::kEffectCountOffset + 1 <= Weapon::kEffectsOffset);
static_assert(Weapon::kEffectsOffset + kEffectsBytes == Weapon::kHeldOffset);
static_assert(Weapon::kHeldOffset + 2 <= Weapon::kConditionCountOffset);
static_assert(Weapon::kConditionsOffset + kConditionsBytes == Weapon::kSize);

void Weapon::Encode(uint8_t* out) const {
  std::memset(out, 0, kSize);
  WriteI32(out + kNumberOffset, Number);
  Name.Encode(out + kNameOffset);
  Description.Encode(out + kDescriptionOffset);
  WriteI32(out + kDiceSidesOffset, Dice.Sides);
  WriteI32(out + kDiceCountOffset, Dice.Count);
  WriteI32(out + kDiceModifierOffset, Dice.Modifier);
  WriteI32(out + kDamageOffset, Damage);
  WriteI32(out + kPriceOffset, Price);
  out[kEffectCountOffset] = EffectCount;
  EncodeEffects(out + kEffectsOffset, Effects);
  WriteI16(out + kHeldOffset, Held);
  WriteI32(out + kConditionCountOffset, ConditionCount);
  EncodeConditions(out + kConditionsOffset, Conditions);
}

Weapon Weapon::Decode(const uint8_t* in) {
  Weapon w;
  w.Number = ReadI32(in + kNumberOffset);
  w.Name = decltype(Name)::Decode(in + kNameOffset);
  w.Description = decltype(Description)::Decode(in + kDescriptionOffset);
  w.Dice.Sides = ReadI32(in + kDiceSidesOffset);
  w.Dice.Count = ReadI32(in + kDiceCountOffset);
  w.Dice.Modifier = ReadI32(in + kDiceModifierOffset);
  w.Damage = ReadI32(in + kDamageOffset);
  w.Price = ReadI32(in + kPriceOffset);
  w.EffectCount = in[kEffectCountOffset];
  w.Effects = DecodeEffects(in + kEffectsOffset);
  w.Held = ReadI16(in + kHeldOffset);
  w.ConditionCount = ReadI32(in + kConditionCountOffset);
  w.Conditions = DecodeConditions(in + kConditionsOffset);
  return w;
}

// ---- Armour -----------------------------------------------------------------

static_assert(Armour::kNameOffset + decltype(Armour::Name)::kFieldSize <=
              Armour::kDescriptionOffset);
static_assert(Armour::kDescriptionOffset + decltype(Armour::Description)::kFieldSize <=
              Armour::kDefenceOffset);
static_assert(Armour::kPriceOffset + 4 == Armour::kEffectCountOffset);
static_assert(Armour::kEffectCountOffset + 1 <= Armour::kEffectsOffset);
static_assert(Armour::kEffectsOffset + kEffectsBytes == Armour::kHeldOffset);
static_assert(Armour::kHeldOffset + 2 <= Armour::kConditionCountOffset);
static_assert(Armour::kConditionsOffset + kConditionsBytes == Armour::kSize);

void Armour::Encode(uint8_t* out) const {
  std::memset(out, 0, kSize);
  WriteI32(out + kNumberOffset, Number);
  Name.Encode(out + kNameOffset);
  Description.Encode(out + kDescriptionOffset);
  WriteI32(out + kDefenceOffset, Defence);
  WriteI32(out + kToughnessOffset, Toughness);
  WriteI32(out + kAttackPenaltyOffset, AttackPenalty);
  WriteI32(out + kPriceOffset, Price);
  out[kEffectCountOffset] = EffectCount;
  EncodeEffects(out + kEffectsOffset, Effects);
  WriteI16(out + kHeldOffset, Held);
  WriteI32(out + kConditionCountOffset, ConditionCount);
  EncodeConditions(out + kConditionsOffset, Conditions);
}

Armour Armour::Decode(const uint8_t* in) {
  Armour a;
  a.Number = ReadI32(in + kNumberOffset);
  a.Name = decltype(Name)::Decode(in + kNameOffset);
  a.Description = decltype(Description)::Decode(in + kDescriptionOffset);
  a.Defence = ReadI32(in + kDefenceOffset);
  a.Toughness = ReadI32(in + kToughnessOffset);
  a.AttackPenalty = ReadI32(in + kAttackPenaltyOffset);
  a.Price = ReadI32(in + kPriceOffset);
  a.EffectCount = in[kEffectCountOffset];
  a.Effects = DecodeEffects(in + kEffectsOffset);
  a.Held = ReadI16(in + kHeldOffset);
  a.ConditionCount = ReadI32(in + kConditionCountOffset);
  a.Conditions = DecodeConditions(in + kConditionsOffset);
  return a;
}

// ---- Item -------------------------------------------------------------------

static_assert(Item::kNameOffset + decltype(Item::Name)::kFieldSize == Item::kDescriptionOffset);
static_assert(Item::kDescriptionOffset + decltype(Item::Description)::kFieldSize <=
              Item::kPriceOffset);
static_assert(Item::kUseWordOffset + decltype(Item::UseWord)::kFieldSize ==
              Item::kEffectCountOffset);
static_assert(Item::kEffectCountOffset + 1 == Item::kEffectsOffset);
static_assert(Item::kEffectsOffset + kEffectsBytes == Item::kHeldOffset);
static_assert(Item::kHeldOffset + 4 == Item::kConditionCountOffset);
static_assert(Item::kConditionsOffset + kConditionsBytes == Item::kSize);

void Item::Encode(uint8_t* out) const {
  std::memset(out, 0, kSize);
  WriteI32(out + kNumberOffset, Number);
  Name.Encode(out + kNameOffset);
  Description.Encode(out + kDescriptionOffset);
  WriteI32(out + kPriceOffset, Price);
  UseWord.Encode(out + kUseWordOffset);
  out[kEffectCountOffset] = EffectCount;
  EncodeEffects(out + kEffectsOffset, Effects);
  WriteI32(out + kHeldOffset, Held);
  WriteI32(out + kConditionCountOffset, ConditionCount);
  EncodeConditions(out + kConditionsOffset, Conditions);
}

Item Item::Decode(const uint8_t* in) {
  Item it;
  it.Number = ReadI32(in + kNumberOffset);
  it.Name = decltype(Name)::Decode(in + kNameOffset);
  it.Description = decltype(Description)::Decode(in + kDescriptionOffset);
  it.Price = ReadI32(in + kPriceOffset);
  it.UseWord = decltype(UseWord)::Decode(in + kUseWordOffset);
  it.EffectCount = in[kEffectCountOffset];
  it.Effects = DecodeEffects(in + kEffectsOffset);
  it.Held = ReadI32(in + kHeldOffset);
  it.ConditionCount = ReadI32(in + kConditionCountOffset);
  it.Conditions = DecodeConditions(in + kConditionsOffset);
  return it;
}

// ---- Spell ------------------------------------------------------------------

static_assert(Spell::kNameOffset + decltype(Spell::Name)::kFieldSize == Spell::kDescriptionOffset);
static_assert(Spell::kDescriptionOffset + decltype(Spell::Description)::kFieldSize ==
              Spell::kManaCostOffset);
static_assert(Spell::kManaCostOffset + 4 == Spell::kEffectCountOffset);
static_assert(Spell::kEffectCountOffset + 1 <= Spell::kEffectsOffset);
static_assert(Spell::kEffectsOffset + kEffectsBytes == Spell::kKnownOffset);
static_assert(Spell::kKnownOffset + 1 <= Spell::kConditionCountOffset);
static_assert(Spell::kConditionsOffset + kConditionsBytes == Spell::kSize);

void Spell::Encode(uint8_t* out) const {
  std::memset(out, 0, kSize);
  WriteI32(out + kNumberOffset, Number);
  Name.Encode(out + kNameOffset);
  Description.Encode(out + kDescriptionOffset);
  WriteI32(out + kManaCostOffset, ManaCost);
  out[kEffectCountOffset] = EffectCount;
  EncodeEffects(out + kEffectsOffset, Effects);
  out[kKnownOffset] = Known;
  WriteI32(out + kConditionCountOffset, ConditionCount);
  EncodeConditions(out + kConditionsOffset, Conditions);
}

Spell Spell::Decode(const uint8_t* in) {
  Spell s;
  s.Number = ReadI32(in + kNumberOffset);
  s.Name = decltype(Name)::Decode(in + kNameOffset);
  s.Description = decltype(Description)::Decode(in + kDescriptionOffset);
  s.ManaCost = ReadI32(in + kManaCostOffset);
  s.EffectCount = in[kEffectCountOffset];
  s.Effects = DecodeEffects(in + kEffectsOffset);
  s.Known = in[kKnownOffset];
  s.ConditionCount = ReadI32(in + kConditionCountOffset);
  s.Conditions = DecodeConditions(in + kConditionsOffset);
  return s;
}

// ---- Attack -----------------------------------------------------------------

static_assert(Attack::kNameOffset + decltype(Attack::Name)::kFieldSize ==
              Attack::kDescriptionOffset);
static_assert(Attack::kDescriptionOffset + decltype(Attack::Description)::kFieldSize ==
              Attack::kHitTextOffset);
static_assert(Attack::kHitTextOffset + decltype(Attack::HitText)::kFieldSize ==
              Attack::kMissTextOffset);
static_assert(Attack::kMissTextOffset + decltype(Attack::MissText)::kFieldSize ==
              Attack::kNoDamageTextOffset);
static_assert(Attack::kNoDamageTextOffset + decltype(Attack::NoDamageText)::kFieldSize <=
              Attack::kEnergyCostOffset);
static_assert(Attack::kManaCostOffset + 4 == Attack::kAttackFormulaOffset);
static_assert(Attack::kAttackFormulaOffset + decltype(Attack::AttackFormula)::kFieldSize ==
              Attack::kDamageFormulaOffset);
static_assert(Attack::kDamageFormulaOffset + decltype(Attack::DamageFormula)::kFieldSize ==
              Attack::kPlainEffectCountOffset);
static_assert(Attack::kPlainEffectsOffset + kEffectsBytes == Attack::kHitEffectCountOffset);
static_assert(Attack::kHitEffectsOffset + kEffectsBytes == Attack::kMissEffectCountOffset);
static_assert(Attack::kMissEffectsOffset + kEffectsBytes == Attack::kKnownOffset);
static_assert(Attack::kKnownOffset + 1 <= Attack::kConditionCountOffset);
static_assert(Attack::kConditionsOffset + kConditionsBytes == Attack::kSize);

void Attack::Encode(uint8_t* out) const {
  std::memset(out, 0, kSize);
  WriteI32(out + kNumberOffset, Number);
  Name.Encode(out + kNameOffset);
  Description.Encode(out + kDescriptionOffset);
  HitText.Encode(out + kHitTextOffset);
  MissText.Encode(out + kMissTextOffset);
  NoDamageText.Encode(out + kNoDamageTextOffset);
  WriteI32(out + kEnergyCostOffset, EnergyCost);
  WriteI32(out + kManaCostOffset, ManaCost);
  AttackFormula.Encode(out + kAttackFormulaOffset);
  DamageFormula.Encode(out + kDamageFormulaOffset);
  out[kPlainEffectCountOffset] = PlainEffectCount;
  EncodeEffects(out + kPlainEffectsOffset, PlainEffects);
  out[kHitEffectCountOffset] = HitEffectCount;
  EncodeEffects(out + kHitEffectsOffset, HitEffects);
  out[kMissEffectCountOffset] = MissEffectCount;
  EncodeEffects(out + kMissEffectsOffset, MissEffects);
  out[kKnownOffset] = Known;
  WriteI32(out + kConditionCountOffset, ConditionCount);
  EncodeConditions(out + kConditionsOffset, Conditions);
}

Attack Attack::Decode(const uint8_t* in) {
  Attack a;
  a.Number = ReadI32(in + kNumberOffset);
  a.Name = decltype(Name)::Decode(in + kNameOffset);
  a.Description = decltype(Description)::Decode(in + kDescriptionOffset);
  a.HitText = decltype(HitText)::Decode(in + kHitTextOffset);
  a.MissText = decltype(MissText)::Decode(in + kMissTextOffset);
  a.NoDamageText = decltype(NoDamageText)::Decode(in + kNoDamageTextOffset);
  a.EnergyCost = ReadI32(in + kEnergyCostOffset);
  a.ManaCost = ReadI32(in + kManaCostOffset);
  a.AttackFormula = decltype(AttackFormula)::Decode(in + kAttackFormulaOffset);
  a.DamageFormula = decltype(DamageFormula)::Decode(in + kDamageFormulaOffset);
  a.PlainEffectCount = in[kPlainEffectCountOffset];
  a.PlainEffects = DecodeEffects(in + kPlainEffectsOffset);
  a.HitEffectCount = in[kHitEffectCountOffset];
  a.HitEffects = DecodeEffects(in + kHitEffectsOffset);
  a.MissEffectCount = in[kMissEffectCountOffset];
  a.MissEffects = DecodeEffects(in + kMissEffectsOffset);
  a.Known = in[kKnownOffset];
  a.ConditionCount = ReadI32(in + kConditionCountOffset);
  a.Conditions = DecodeConditions(in + kConditionsOffset);
  return a;
}

}  // namespace qv
