// Building effect entries for tests: "sila" '+' 2 is the entry sila+2.
#pragma once

#include <cstdint>

#include "data/effect.h"

namespace qv {

inline Effect MakeEffect(const char* name, char op, int32_t amount) {
  Effect e;
  e.Name = name;
  e.Operator = op;
  e.Amount = amount;
  return e;
}

}  // namespace qv
