// The link fields a tag may give to what it puts on the page (a menu option,
// a linked text block or picture): an option library put before the target,
// a redirect of the location source, and up to four variable assignments
// made when the link is followed.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace qv {

// Word 0: the number k of assignments (0..4); words 1..4: variable numbers;
// words 5..8: their values.
using AssignmentSet = std::array<int32_t, 9>;

inline constexpr int kMaxAssignments = 4;

// Appends one assignment; a fifth and later ones have no room and are dropped.
inline void AddAssignment(AssignmentSet& set, int32_t variable, int32_t value) {
  if (set[0] < 0 || set[0] >= kMaxAssignments) return;
  ++set[0];
  set[set[0]] = variable;
  set[kMaxAssignments + set[0]] = value;
}

struct LinkFields {
  std::string PrePrefix;
  std::string Redirect = "*";  // "*": no change of the location source
  AssignmentSet Assignments{};
};

}  // namespace qv
