// Sums of positions, sizes and counts that a gamebook gives as whole
// numbers. Any of them may be as large as a 32-bit number goes, so they are
// added in 64 bits and the result stops at the ends of the 32-bit range,
// which keeps every sum of ordinary values as it was.
#pragma once

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <limits>

namespace qv {

constexpr int32_t Saturated(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

constexpr int32_t SaturatedSum(std::initializer_list<int64_t> terms) {
  int64_t sum = 0;
  for (const int64_t term : terms) sum += term;  // a few 32-bit terms never reach 2^63
  return Saturated(sum);
}

}  // namespace qv
