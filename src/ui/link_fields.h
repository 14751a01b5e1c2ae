// The link fields a tag may give to what it puts on the page (a menu option,
// a linked text block or picture): an option library put before the target,
// a redirect of the location source, and up to four variable assignments
// made when the link is followed.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace qv {

// Word 0: the number k of assignments (0..4); words 1..4: variable numbers;
// words 5..8: their values.
using AssignmentSet = std::array<int32_t, 9>;

inline constexpr std::size_t kMaxAssignments = 4;

// Appends one assignment; a fifth and later ones have no room and are dropped.
inline void AddAssignment(AssignmentSet& set, int32_t variable, int32_t value) {
  if (set[0] < 0 || static_cast<std::size_t>(set[0]) >= kMaxAssignments) return;
  const auto k = static_cast<std::size_t>(++set[0]);
  set[k] = variable;
  set[kMaxAssignments + k] = value;
}

// The assignments word 0 claims, kept within the room there is.
inline std::size_t AssignmentCount(const AssignmentSet& set) {
  return static_cast<std::size_t>(std::clamp<int32_t>(set[0], 0, kMaxAssignments));
}

struct LinkFields {
  std::string PrePrefix;
  std::string Redirect = "*";  // "*": no change of the location source
  AssignmentSet Assignments{};
};

}  // namespace qv
