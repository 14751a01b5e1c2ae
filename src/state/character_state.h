// CharacterState: the player character. 7916 bytes, written as they are into
// every saved position, so the layout below is a file format.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "data/catalog_records.h"
#include "data/record_fields.h"
#include "data/short_string.h"

namespace qv {

// Positions in RaiseCost and RaiseStep.
enum RaiseIndex : std::size_t {
  kRaiseZivoty = 0,
  kRaiseMana = 1,
  kRaiseSila = 2,
  kRaiseObratnost = 3,
  kRaiseEnergie = 4,
  kRaiseRychlost = 5,
};
inline constexpr std::size_t kRaiseCount = 6;
// RaiseCost and RaiseStep are shown by these names, in RaiseIndex order.
inline constexpr ElementNames kRaiseNames{"zivoty",    "mana",    "sila",
                                          "obratnost", "energie", "rychlost"};

struct CharacterState {
  static constexpr std::size_t kSize = 7916;
  static constexpr std::size_t kNameOffset = 0;
  static constexpr std::size_t kStartNameOffset = 101;
  static constexpr std::size_t kReservedOffset = 202;
  static constexpr std::size_t kReservedSize = 3998;
  static constexpr std::size_t kPenizeOffset = 4200;
  static constexpr std::size_t kZkusenostiOffset = 4204;
  static constexpr std::size_t kHitInCombatOffset = 4208;
  static constexpr std::size_t kSpellsInCombatOffset = 4212;
  static constexpr std::size_t kItemsInCombatOffset = 4216;
  static constexpr std::size_t kSilaOffset = 4220;
  static constexpr std::size_t kObratnostOffset = 4224;
  static constexpr std::size_t kZivotyOffset = 4228;
  static constexpr std::size_t kMaxZivotyOffset = 4232;
  static constexpr std::size_t kManaOffset = 4236;
  static constexpr std::size_t kMaxManaOffset = 4240;
  static constexpr std::size_t kRychlostOffset = 4244;
  static constexpr std::size_t kEnergieOffset = 4248;
  static constexpr std::size_t kStartSilaOffset = 4252;
  static constexpr std::size_t kStartObratnostOffset = 4256;
  static constexpr std::size_t kStartMaxZivotyOffset = 4260;
  static constexpr std::size_t kStartMaxManaOffset = 4264;
  static constexpr std::size_t kStartRychlostOffset = 4268;
  static constexpr std::size_t kStartEnergieOffset = 4272;
  static constexpr std::size_t kCombatEnergyOffset = 4276;
  static constexpr std::size_t kCurrentWeaponOffset = 4280;
  static constexpr std::size_t kCurrentArmourOffset = 6076;
  static constexpr std::size_t kRaiseCostOffset = 7868;
  static constexpr std::size_t kRaiseStepOffset = 7892;

  ShortString<100> Name;
  ShortString<100> StartName;
  std::array<uint8_t, kReservedSize> Reserved{};  // kept as read
  int32_t PENIZE = 0;
  int32_t ZKUSENOSTI = 0;
  int32_t HitInCombat = 0;  // low byte 1 once hit points were lost in the fight
  int32_t SpellsInCombat = 0;
  int32_t ItemsInCombat = 0;
  int32_t SILA = 0;
  int32_t OBRATNOST = 0;
  int32_t ZIVOTY = 0;
  int32_t MAXZIVOTY = 0;
  int32_t MANA = 0;
  int32_t MAXMANA = 0;
  int32_t RYCHLOST = 0;
  int32_t ENERGIE = 0;
  int32_t STARTSILA = 0;
  int32_t STARTOBRATNOST = 0;
  int32_t STARTMAXZIVOTY = 0;
  int32_t STARTMAXMANA = 0;
  int32_t STARTRYCHLOST = 0;
  int32_t STARTENERGIE = 0;
  int32_t CombatEnergy = 0;
  Weapon CurrentWeapon = ZeroRecord<Weapon>();   // full copy of the catalog record in hand
  Armour CurrentArmour = ZeroRecord<Armour>();   // full copy of the catalog record worn
  std::array<int32_t, kRaiseCount> RaiseCost{};  // indexed by RaiseIndex
  std::array<int32_t, kRaiseCount> RaiseStep{};

  void Encode(uint8_t* out) const;
  static CharacterState Decode(const uint8_t* in);
};

template <>
struct RecordFields<CharacterState> {
  static constexpr std::size_t kSize = CharacterState::kSize;
  template <class V>
  static constexpr void Describe(V& v) {
    using R = CharacterState;
    v.Field("name", R::kNameOffset, &R::Name);
    v.Field("start_name", R::kStartNameOffset, &R::StartName);
    v.Field("reserved", R::kReservedOffset, &R::Reserved, kHidden);
    v.Field("penize", R::kPenizeOffset, &R::PENIZE);
    v.Field("zkusenosti", R::kZkusenostiOffset, &R::ZKUSENOSTI);
    v.Field("hit_in_combat", R::kHitInCombatOffset, &R::HitInCombat);
    v.Field("spells_in_combat", R::kSpellsInCombatOffset, &R::SpellsInCombat);
    v.Field("items_in_combat", R::kItemsInCombatOffset, &R::ItemsInCombat);
    v.Field("sila", R::kSilaOffset, &R::SILA);
    v.Field("obratnost", R::kObratnostOffset, &R::OBRATNOST);
    v.Field("zivoty", R::kZivotyOffset, &R::ZIVOTY);
    v.Field("maxzivoty", R::kMaxZivotyOffset, &R::MAXZIVOTY);
    v.Field("mana", R::kManaOffset, &R::MANA);
    v.Field("maxmana", R::kMaxManaOffset, &R::MAXMANA);
    v.Field("rychlost", R::kRychlostOffset, &R::RYCHLOST);
    v.Field("energie", R::kEnergieOffset, &R::ENERGIE);
    v.Field("startsila", R::kStartSilaOffset, &R::STARTSILA);
    v.Field("startobratnost", R::kStartObratnostOffset, &R::STARTOBRATNOST);
    v.Field("startmaxzivoty", R::kStartMaxZivotyOffset, &R::STARTMAXZIVOTY);
    v.Field("startmaxmana", R::kStartMaxManaOffset, &R::STARTMAXMANA);
    v.Field("startrychlost", R::kStartRychlostOffset, &R::STARTRYCHLOST);
    v.Field("startenergie", R::kStartEnergieOffset, &R::STARTENERGIE);
    v.Field("combat_energy", R::kCombatEnergyOffset, &R::CombatEnergy);
    v.Field("current_weapon", R::kCurrentWeaponOffset, &R::CurrentWeapon);
    v.Field("current_armour", R::kCurrentArmourOffset, &R::CurrentArmour);
    v.Field("raise_cost", R::kRaiseCostOffset, &R::RaiseCost, kRaiseNames);
    v.Field("raise_step", R::kRaiseStepOffset, &R::RaiseStep, kRaiseNames);
  }
};

// STARTSILA := SILA and likewise for OBRATNOST, MAXZIVOTY, MAXMANA, RYCHLOST
// and ENERGIE.
void StoreStartAttributes(CharacterState& character);

}  // namespace qv
