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
// the host and ends the reading of that file (the records before it stay).
// Conditions take their serial numbers from state.ConditionSerial.
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

// "sila+2" -> name sila, operator +, amount 2.
Effect ParseEffect(std::string_view text);

}  // namespace qv
