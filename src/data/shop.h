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
  std::string Description;  // with CR line breaks, as the shop shows it
  std::string Kind;         // "zbran", "zbroj" or "predmet"
  int32_t Price = 0;
};

// The rows of offer n, or nullopt when "obchod" cannot be opened (the
// caller's rows then stay as they were).
std::optional<std::vector<ShopRow>> LoadShop(GameFiles& files, const GameState& state, int32_t n);

// VSE 0, ZBRANE 1, ZBROJE 2, PREDMETY 3, weapons+armour 4, weapons+items 5,
// armour+items 6; any other word 0.
int CategoryCode(std::string_view word);

}  // namespace qv
