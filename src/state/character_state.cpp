#include "state/character_state.h"

#include <cstring>

#include "data/byte_io.h"

namespace qv {
namespace {

using C = CharacterState;

static_assert(C::kNameOffset + ShortString<100>::kFieldSize == C::kStartNameOffset);
static_assert(C::kStartNameOffset + ShortString<100>::kFieldSize == C::kReservedOffset);
static_assert(C::kReservedOffset + C::kReservedSize == C::kPenizeOffset);
static_assert(C::kCombatEnergyOffset + 4 == C::kCurrentWeaponOffset);
static_assert(C::kCurrentWeaponOffset + Weapon::kSize == C::kCurrentArmourOffset);
static_assert(C::kCurrentArmourOffset + Armour::kSize == C::kRaiseCostOffset);
static_assert(C::kRaiseCostOffset + 4 * kRaiseCount == C::kRaiseStepOffset);
static_assert(C::kRaiseStepOffset + 4 * kRaiseCount == C::kSize);

// The int32 fields from PENIZE to CombatEnergy lie one after another.
static_assert(C::kStartEnergieOffset + 4 == C::kCombatEnergyOffset);
static_assert(C::kCombatEnergyOffset - C::kPenizeOffset == 19 * 4);

}  // namespace

void CharacterState::Encode(uint8_t* out) const {
  std::memset(out, 0, kSize);
  Name.Encode(out + kNameOffset);
  StartName.Encode(out + kStartNameOffset);
  std::memcpy(out + kReservedOffset, Reserved.data(), kReservedSize);
  WriteI32(out + kPenizeOffset, PENIZE);
  WriteI32(out + kZkusenostiOffset, ZKUSENOSTI);
  WriteI32(out + kHitInCombatOffset, HitInCombat);
  WriteI32(out + kSpellsInCombatOffset, SpellsInCombat);
  WriteI32(out + kItemsInCombatOffset, ItemsInCombat);
  WriteI32(out + kSilaOffset, SILA);
  WriteI32(out + kObratnostOffset, OBRATNOST);
  WriteI32(out + kZivotyOffset, ZIVOTY);
  WriteI32(out + kMaxZivotyOffset, MAXZIVOTY);
  WriteI32(out + kManaOffset, MANA);
  WriteI32(out + kMaxManaOffset, MAXMANA);
  WriteI32(out + kRychlostOffset, RYCHLOST);
  WriteI32(out + kEnergieOffset, ENERGIE);
  WriteI32(out + kStartSilaOffset, STARTSILA);
  WriteI32(out + kStartObratnostOffset, STARTOBRATNOST);
  WriteI32(out + kStartMaxZivotyOffset, STARTMAXZIVOTY);
  WriteI32(out + kStartMaxManaOffset, STARTMAXMANA);
  WriteI32(out + kStartRychlostOffset, STARTRYCHLOST);
  WriteI32(out + kStartEnergieOffset, STARTENERGIE);
  WriteI32(out + kCombatEnergyOffset, CombatEnergy);
  CurrentWeapon.Encode(out + kCurrentWeaponOffset);
  CurrentArmour.Encode(out + kCurrentArmourOffset);
  for (std::size_t i = 0; i < kRaiseCount; ++i) {
    WriteI32(out + kRaiseCostOffset + 4 * i, RaiseCost[i]);
    WriteI32(out + kRaiseStepOffset + 4 * i, RaiseStep[i]);
  }
}

CharacterState CharacterState::Decode(const uint8_t* in) {
  CharacterState c;
  c.Name = decltype(Name)::Decode(in + kNameOffset);
  c.StartName = decltype(StartName)::Decode(in + kStartNameOffset);
  std::memcpy(c.Reserved.data(), in + kReservedOffset, kReservedSize);
  c.PENIZE = ReadI32(in + kPenizeOffset);
  c.ZKUSENOSTI = ReadI32(in + kZkusenostiOffset);
  c.HitInCombat = ReadI32(in + kHitInCombatOffset);
  c.SpellsInCombat = ReadI32(in + kSpellsInCombatOffset);
  c.ItemsInCombat = ReadI32(in + kItemsInCombatOffset);
  c.SILA = ReadI32(in + kSilaOffset);
  c.OBRATNOST = ReadI32(in + kObratnostOffset);
  c.ZIVOTY = ReadI32(in + kZivotyOffset);
  c.MAXZIVOTY = ReadI32(in + kMaxZivotyOffset);
  c.MANA = ReadI32(in + kManaOffset);
  c.MAXMANA = ReadI32(in + kMaxManaOffset);
  c.RYCHLOST = ReadI32(in + kRychlostOffset);
  c.ENERGIE = ReadI32(in + kEnergieOffset);
  c.STARTSILA = ReadI32(in + kStartSilaOffset);
  c.STARTOBRATNOST = ReadI32(in + kStartObratnostOffset);
  c.STARTMAXZIVOTY = ReadI32(in + kStartMaxZivotyOffset);
  c.STARTMAXMANA = ReadI32(in + kStartMaxManaOffset);
  c.STARTRYCHLOST = ReadI32(in + kStartRychlostOffset);
  c.STARTENERGIE = ReadI32(in + kStartEnergieOffset);
  c.CombatEnergy = ReadI32(in + kCombatEnergyOffset);
  c.CurrentWeapon = Weapon::Decode(in + kCurrentWeaponOffset);
  c.CurrentArmour = Armour::Decode(in + kCurrentArmourOffset);
  for (std::size_t i = 0; i < kRaiseCount; ++i) {
    c.RaiseCost[i] = ReadI32(in + kRaiseCostOffset + 4 * i);
    c.RaiseStep[i] = ReadI32(in + kRaiseStepOffset + 4 * i);
  }
  return c;
}

void StoreStartAttributes(CharacterState& character) {
  character.STARTSILA = character.SILA;
  character.STARTOBRATNOST = character.OBRATNOST;
  character.STARTMAXZIVOTY = character.MAXZIVOTY;
  character.STARTMAXMANA = character.MAXMANA;
  character.STARTRYCHLOST = character.RYCHLOST;
  character.STARTENERGIE = character.ENERGIE;
}

}  // namespace qv
