// What the selling window pays for one piece.
#pragma once

#include <cstdint>

namespace qv {

// floor(value × percent / 100), exact: computed on 64-bit integers, so that
// 100 percent pays the full value and 0 pays nothing for every value (a
// floating-point value / 100 × percent falls just short of some whole
// numbers, 29 at 100 percent among them). Negative results round down too.
int64_t SellingPrice(int32_t value, int32_t percent);

}  // namespace qv
