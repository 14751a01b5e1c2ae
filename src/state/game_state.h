// GameState: the one game state of a run, shared by every screen.
//
// WorldState and CharacterState are the two fixed-layout blocks that saved
// positions store byte for byte; the catalogs carry the player's possessions
// in their Held and Known fields; the rest are run-time values that are never
// saved.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "data/catalog_records.h"
#include "data/init_record.h"
#include "host/host.h"
#include "state/catalog.h"
#include "state/character_state.h"
#include "state/fight_modifiers.h"
#include "state/object_entry.h"
#include "state/world_state.h"

namespace qv {

// "Zadej": the name the save window proposes unless the SAVE tag names one.
inline constexpr std::string_view kDefaultSaveName = "Zadej";
// "stříbrných": the money unit before the initialization record names one.
inline constexpr std::string_view kDefaultCurrencyName =
    "st\xF8\xED"
    "brn\xFD"
    "ch";

struct GameState {
  WorldState World;
  CharacterState Character;
  Catalog<Weapon> Weapons;
  Catalog<Armour> Armours;
  Catalog<Item> Items;
  Catalog<Spell> Spells;
  Catalog<Attack> Attacks;
  ObjectTable Objects;      // objects 1..100
  int32_t ObjectCount = 0;  // highest object number used so far; only grows
  FightModifiers Fight;     // bonuses of the current fight

  // Run-time values, never written into a saved position.
  int32_t NextLocation = 0;      // shown next; hovering a menu option sets it
  int32_t LastCombatResult = 0;  // VYSLEDEKSOUBOJE
  int32_t SaveTarget = 0;        // location a saved position resumes at; 0 = current
  std::string SaveDefaultName = std::string(kDefaultSaveName);
  std::string SaveRedirect;  // RedirectName written into a saved position
  bool LoadRequested = false;
  std::string LoadFileName;  // "./save/" + name + ".pzv"
  bool AudioAvailable = false;
  bool ContinueMode = false;  // after a restore only "Pokračovat" is offered
  std::string CurrencyName = std::string(kDefaultCurrencyName);
  // Serial number of the last condition parsed in this run. Location blocks
  // and catalog conditions share it: the interpreter tells blocks apart by it.
  int32_t ConditionSerial = 0;
};

// Sets the new-game values from the initialization record: flags, variables,
// name, attributes with their start values, raise costs and steps, currency,
// title and code, location 1 with a white menu headed "Co uděláš?", and clears
// which spells and attacks are known (the catalog readers keep those flags,
// so clearing before the catalogs are read leaves them clear).
//
// The name: when the record does not ask for one, the record's default name.
// When it asks, `typedName` if given, else the Name already in the character
// (set by the name window). StartName becomes that name.
void StartNewGame(GameState& state, const InitRecord& record,
                  std::optional<std::string_view> typedName = std::nullopt);

// CurrentWeapon := weapon entry 1, CurrentArmour := armour entry 1; run after
// the catalogs are loaded (an empty catalog gives an empty record).
void EquipStartingGear(GameState& state);

// Caps MANA and ZIVOTY at their maxima plus the current fight's bonuses, opens
// the death window when ZIVOTY is 0 or less, and raises a negative MANA to 0.
// Returns true when the hero died.
bool ClampAttributes(GameState& state, Host& host);

}  // namespace qv
