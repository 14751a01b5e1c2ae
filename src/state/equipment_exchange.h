// Taking off and putting on the weapon in hand and the armour worn.
//
// The modifiers (effects) of the piece in hand or worn act on the character
// for as long as it is carried: putting a piece on applies them as stored,
// taking it off applies them once more with "+" and "-" swapped. Other
// operators change nothing either way, so the two always cancel.
//
// The pieces in hand are full copies of catalog records; the catalog's Held
// counts only the spare pieces, so these functions never touch a catalog.
#pragma once

#include <span>

#include "data/catalog_records.h"
#include "data/effect.h"
#include "state/character_state.h"

namespace qv {

// Applies every modifier as stored / with its sign turned round.
void ApplyModifiers(CharacterState& character, std::span<const Effect> modifiers);
void TakeBackModifiers(CharacterState& character, std::span<const Effect> modifiers);

// Takes back the modifiers of the piece in hand / worn. The piece itself
// stays in CurrentWeapon / CurrentArmour until it is replaced or emptied.
void TakeOffWeapon(CharacterState& character);
void TakeOffArmour(CharacterState& character);

// The piece becomes the one in hand / worn (a full copy) and its modifiers
// are applied. Take the previous one off first.
void PutOnWeapon(CharacterState& character, const Weapon& weapon);
void PutOnArmour(CharacterState& character, const Armour& armour);

// Turns the record into the empty weapon: number 0, name "Nic", description
// "-", dice, damage and price 0, no modifiers, Held 0. The rest (its
// conditions) stays as it was; so do the bytes of the unused effect slots,
// which nothing reads past the count of 0.
void MakeEmptyWeapon(Weapon& weapon);
// The empty armour: number 0, "Nic", "-", defence, toughness, attack penalty
// and price 0, no modifiers, Held 0; the rest unchanged.
void MakeEmptyArmour(Armour& armour);

// Takes the weapon in hand off and leaves the hand empty ("Nic").
void DropWeaponInHand(CharacterState& character);
// Takes the armour worn off and leaves none ("Nic").
void DropArmourWorn(CharacterState& character);

}  // namespace qv
