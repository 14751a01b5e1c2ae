// MenuOption: one option of the current page's menu, 352 bytes inside
// WorldState (and so inside every saved position).
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

#include "data/record_fields.h"
#include "data/short_string.h"

namespace qv {

struct MenuOption {
  static constexpr std::size_t kSize = 352;
  static constexpr std::size_t kTargetOffset = 0;
  static constexpr std::size_t kTextOffset = 4;
  static constexpr std::size_t kColourOffset = 108;
  static constexpr std::size_t kRedirectOffset = 112;
  static constexpr std::size_t kPrePrefixOffset = 213;
  static constexpr std::size_t kAssignmentsOffset = 316;
  static constexpr std::size_t kMaxAssignments = 4;

  int32_t Target = 0;  // location shown when the option is chosen
  ShortString<100> Text;
  int32_t Colour = 0;          // 0x00BBGGRR
  ShortString<100> Redirect;   // library to redirect the location source to; "*" = no change
  ShortString<100> PrePrefix;  // library put before the target location
  // Word 0: the number k of assignments (0..4); words 1..4: variable numbers;
  // words 5..8: their values. Variable word(i) receives word(4 + i).
  std::array<int32_t, 1 + 2 * kMaxAssignments> Assignments{};

  // The number of assignments, cut to 0..4 so a damaged word 0 never leads a
  // reader past the nine words.
  std::size_t AssignmentCount() const {
    return static_cast<std::size_t>(std::clamp<int32_t>(Assignments[0], 0, kMaxAssignments));
  }
  int32_t AssignmentVariable(std::size_t i) const { return Assignments[i]; }  // i in 1..4
  int32_t AssignmentValue(std::size_t i) const { return Assignments[kMaxAssignments + i]; }
  // Appends one assignment; false when all four are taken.
  bool AddAssignment(int32_t variable, int32_t value);

  void Encode(uint8_t* out) const;
  static MenuOption Decode(const uint8_t* in);
};

template <>
struct RecordFields<MenuOption> {
  static constexpr std::size_t kSize = MenuOption::kSize;
  template <class V>
  static constexpr void Describe(V& v) {
    using R = MenuOption;
    v.Field("target", R::kTargetOffset, &R::Target);
    v.Field("text", R::kTextOffset, &R::Text);
    v.Padding(105, 3);
    v.Field("colour", R::kColourOffset, &R::Colour, kColour);
    v.Field("redirect", R::kRedirectOffset, &R::Redirect);
    v.Field("preprefix", R::kPrePrefixOffset, &R::PrePrefix);
    v.Padding(314, 2);
    v.Pairs("assignments", R::kAssignmentsOffset, &R::Assignments, "variable", "value");
  }
};

}  // namespace qv
