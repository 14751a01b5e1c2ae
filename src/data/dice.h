// Dice written as "2k6+1": count, sides and modifier. Catalog records hold
// them; parser/dice.h reads and rolls them.
#pragma once

#include <cstdint>

namespace qv {

struct Dice {
  int32_t Count = 0;     // X
  int32_t Sides = 0;     // Y
  int32_t Modifier = 0;  // Z, signed
};

}  // namespace qv
