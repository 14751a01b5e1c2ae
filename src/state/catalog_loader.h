// Reading the gamebook's catalogs ("zbrane", "zbroje", "predmety", "kouzla",
// "utoky") into the game state, one record per line that holds a ",".
#pragma once

#include <string_view>

#include "data/effect.h"
#include "data/game_files.h"
#include "host/host.h"
#include "state/game_state.h"

namespace qv {

// Each reader appends the file's records to its catalog; the caller sets the
// catalog's Count to 0 first. A missing file leaves the catalog empty. A line
// with a number field that is no number shows the conversion message through
// the host and ends the reading of that file (the records before it stay; the
// failing line adds no record). Conditions take their serial numbers from
// state.ConditionSerial. Once a catalog holds 100 records the rest of the
// file is ignored.
//
// A line is a record only when it holds a ","; records take the slots 1, 2,
// 3 ... in line order. A weapon, armour or item line must begin with its
// number. A line that lacks its quotes or separators never makes the reader
// leave it: a quoted text without both quotes reads as empty and ends the
// line (so the number fields after it fail), a field that ends at the next
// "," ends at the line's ";" when no "," is left. Weapons and armour come
// with Held 0; an item keeps the Held count its slot had.
void LoadWeapons(GameFiles& files, GameState& state, Host& host);
void LoadArmour(GameFiles& files, GameState& state, Host& host);
void LoadItems(GameFiles& files, GameState& state, Host& host);
// Spell and attack lines go through SubstituteValues first; the Known flag of
// each slot is kept from what the slot held before.
void LoadSpells(GameFiles& files, GameState& state, Host& host);
void LoadAttacks(GameFiles& files, GameState& state, Host& host);

// Counts of both to 0, then attacks and spells read again with the current
// $ values.
void ReloadSpellsAndAttacks(GameFiles& files, GameState& state, Host& host);

// One record line read exactly as the loaders read it (the line as in the
// file; spell and attack lines already substituted). Throws ConversionError.
// For tools that look at every line of a catalog.
Weapon ReadWeaponLine(std::string_view line, int32_t& serial);
Armour ReadArmourLine(std::string_view line, int32_t& serial);
Item ReadItemLine(std::string_view line, int32_t& serial);
Spell ReadSpellLine(std::string_view line, int32_t& serial);
Attack ReadAttackLine(std::string_view line, int32_t& serial);

// "sila+2" -> name sila, operator +, amount 2. Blanks are ignored; the
// letters of the leading run of letters and digits form the (lower-cased)
// name and its digits the Digits number; the first of * + - / = is the
// operator and the digits after it the amount. Without an operator: '0' and
// amount 0. Throws ConversionError when the amount has no digits or one of
// the numbers is beyond int32.
Effect ParseEffect(std::string_view text);

}  // namespace qv
