// How long a text may grow when constants and libraries are put into it.
//
// Each constant may replace what earlier ones produced and each library may
// hold references to others, so a few short lines can multiply a text into
// gigabytes. A replacement that would take the text past this size is left
// out; no real gamebook comes near it.
#pragma once

#include <cstddef>

namespace qv {

inline constexpr std::size_t kMaxExpandedText = 64u * 1024 * 1024;

}  // namespace qv
