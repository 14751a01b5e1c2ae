// Shop offers from the file "obchod", and the filter words of the shop and
// selling commands.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/game_files.h"
#include "state/game_state.h"

namespace qv {

struct ShopRow {
  int32_t ItemNumber = 0;
  std::string Name;
  std::string Description;  // with CR and CR LF line breaks, as the shop shows it
  std::string Kind;         // "zbran", "zbroj" or "predmet"
  int32_t Price = 0;
};

// The rows of offer n, or nullopt when "obchod" cannot be opened (the
// caller's rows then stay as they were).
//
// The offer is the first line whose first run of digits is n; no such line
// gives no rows. After the line's first ",", every part up to the next "," or
// ";" is a row: its digits the item number, its other bytes but blanks the
// kind. Parts of another kind are skipped. A number that names no loaded
// record of its catalog (no digits at all count as 0) gives an empty name and
// description and price 0. All rows are kept, however many.
//
// Descriptions: the weapon's or armour's figures, a lone CR, the catalog
// description wrapped at 74 bytes with CR LF; for items the wrapped
// description, a lone CR and when the item can be used.
std::optional<std::vector<ShopRow>> LoadShop(GameFiles& files, const GameState& state, int32_t n);

// VSE 0, ZBRANE 1, ZBROJE 2, PREDMETY 3, weapons+armour 4, weapons+items 5,
// armour+items 6; any other word 0.
int CategoryCode(std::string_view word);

}  // namespace qv
