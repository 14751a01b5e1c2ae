#include "state/equipment_exchange.h"

#include "state/apply_effect.h"

namespace qv {

namespace {

// "Nic": the name of the empty hand and of no armour.
constexpr std::string_view kNothingName = "Nic";
constexpr std::string_view kNothingDescription = "-";

}  // namespace

void ApplyModifiers(CharacterState& character, std::span<const Effect> modifiers) {
  for (const Effect& effect : modifiers) ApplyEffect(character, effect);
}

void TakeBackModifiers(CharacterState& character, std::span<const Effect> modifiers) {
  for (const Effect& effect : modifiers) ApplyEffectReversed(character, effect);
}

void TakeOffWeapon(CharacterState& character) {
  // A copy: the effects must not change under the loop's feet.
  const Weapon weapon = character.CurrentWeapon;
  TakeBackModifiers(character, weapon.UsedEffects());
}

void TakeOffArmour(CharacterState& character) {
  const Armour armour = character.CurrentArmour;
  TakeBackModifiers(character, armour.UsedEffects());
}

void PutOnWeapon(CharacterState& character, const Weapon& weapon) {
  character.CurrentWeapon = weapon;
  ApplyModifiers(character, weapon.UsedEffects());
}

void PutOnArmour(CharacterState& character, const Armour& armour) {
  character.CurrentArmour = armour;
  ApplyModifiers(character, armour.UsedEffects());
}

void MakeEmptyWeapon(Weapon& weapon) {
  weapon.Number = 0;
  weapon.Name = kNothingName;
  weapon.Description = kNothingDescription;
  weapon.Dice.Count = 0;
  weapon.Dice.Sides = 0;
  weapon.Dice.Modifier = 0;
  weapon.Damage = 0;
  weapon.Price = 0;
  weapon.EffectCount = 0;
  weapon.Held = 0;
}

void MakeEmptyArmour(Armour& armour) {
  armour.Number = 0;
  armour.Name = kNothingName;
  armour.Description = kNothingDescription;
  armour.Defence = 0;
  armour.Toughness = 0;
  armour.AttackPenalty = 0;
  armour.Price = 0;
  armour.EffectCount = 0;
  armour.Held = 0;
}

void DropWeaponInHand(CharacterState& character) {
  TakeOffWeapon(character);
  MakeEmptyWeapon(character.CurrentWeapon);
}

void DropArmourWorn(CharacterState& character) {
  TakeOffArmour(character);
  MakeEmptyArmour(character.CurrentArmour);
}

}  // namespace qv
