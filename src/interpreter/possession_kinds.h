// What the possession commands need to know about each kind of catalog
// possession, so one piece of code serves weapons, armour and items alike.
#pragma once

#include <algorithm>
#include <string_view>

#include "interpreter/possession_messages.h"
#include "parser/tag_store.h"
#include "interpreter/tag_attributes.h"
#include "state/equipment_exchange.h"
#include "state/game_state.h"

namespace qv {

struct WeaponKind {
  using Record = Weapon;
  static Catalog<Weapon>& CatalogOf(GameState& state) { return state.Weapons; }
  static Weapon& InHand(CharacterState& character) { return character.CurrentWeapon; }
  static void Drop(CharacterState& character) { DropWeaponInHand(character); }
  static void Exchange(CharacterState& character, const Weapon& replacement) {
    TakeOffWeapon(character);
    PutOnWeapon(character, replacement);
  }
  static constexpr std::string_view kGainWord = possession_text::kWeapon;
  static constexpr std::string_view kGainColour = possession_text::kWeaponColour;
  static constexpr std::string_view kLostAll = possession_text::kLostAllWeapons;
  static constexpr std::string_view kYour = possession_text::kYourHis;
  static constexpr std::string_view kChanged = possession_text::kChangedHis;
};

struct ArmourKind {
  using Record = Armour;
  static Catalog<Armour>& CatalogOf(GameState& state) { return state.Armours; }
  static Armour& InHand(CharacterState& character) { return character.CurrentArmour; }
  static void Drop(CharacterState& character) { DropArmourWorn(character); }
  static void Exchange(CharacterState& character, const Armour& replacement) {
    TakeOffArmour(character);
    PutOnArmour(character, replacement);
  }
  static constexpr std::string_view kGainWord = possession_text::kArmour;
  static constexpr std::string_view kGainColour = possession_text::kArmourColour;
  static constexpr std::string_view kLostAll = possession_text::kLostAllArmours;
  static constexpr std::string_view kYour = possession_text::kYourHer;
  static constexpr std::string_view kChanged = possession_text::kChangedHer;
};

struct ItemKind {
  using Record = Item;
  static Catalog<Item>& CatalogOf(GameState& state) { return state.Items; }
  static constexpr std::string_view kGainWord = possession_text::kItem;
  static constexpr std::string_view kGainColour = possession_text::kItemColour;
};

// The entry (or variable) number an attribute's name gives; a name that is
// no integer stops the page like a value that is none.
inline int32_t NameNumber(const param& p) { return IntValue(p.Name); }

}  // namespace qv
