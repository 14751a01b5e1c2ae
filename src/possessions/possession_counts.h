// Changing a possession count by an amount from the location text.
//
// Weapon, armour and object counts are 16-bit fields of the saved records,
// item counts 32-bit. A sum that leaves the field's range stops at its
// limit instead of wrapping round: a wrapped count would turn a huge hoard
// into a debt (or the other way round) without the author asking for it.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace qv {

// count + amount, held at the limits of Count.
template <class Count>
Count AddToCount(Count count, int64_t amount) {
  constexpr int64_t kLow = std::numeric_limits<Count>::min();
  constexpr int64_t kHigh = std::numeric_limits<Count>::max();
  return static_cast<Count>(std::clamp<int64_t>(int64_t{count} + amount, kLow, kHigh));
}

// count - amount, and 0 when that is negative (taking never leaves a debt);
// held at the top of Count when a negative amount adds.
template <class Count>
Count TakeFromCount(Count count, int64_t amount) {
  constexpr int64_t kHigh = std::numeric_limits<Count>::max();
  return static_cast<Count>(std::clamp<int64_t>(int64_t{count} - amount, 0, kHigh));
}

}  // namespace qv
