#include "state/menu_option.h"

#include <cstring>

#include "data/byte_io.h"

namespace qv {

static_assert(MenuOption::kTextOffset + decltype(MenuOption::Text)::kFieldSize <=
              MenuOption::kColourOffset);
static_assert(MenuOption::kColourOffset + 4 == MenuOption::kRedirectOffset);
static_assert(MenuOption::kRedirectOffset + decltype(MenuOption::Redirect)::kFieldSize ==
              MenuOption::kPrePrefixOffset);
static_assert(MenuOption::kPrePrefixOffset + decltype(MenuOption::PrePrefix)::kFieldSize <=
              MenuOption::kAssignmentsOffset);
static_assert(MenuOption::kAssignmentsOffset +
                  4 * std::tuple_size_v<decltype(MenuOption::Assignments)> ==
              MenuOption::kSize);

bool MenuOption::AddAssignment(int32_t variable, int32_t value) {
  const std::size_t k = AssignmentCount();
  if (k >= kMaxAssignments) return false;
  Assignments[0] = static_cast<int32_t>(k + 1);
  Assignments[k + 1] = variable;
  Assignments[kMaxAssignments + k + 1] = value;
  return true;
}

void MenuOption::Encode(uint8_t* out) const {
  std::memset(out, 0, kSize);
  WriteI32(out + kTargetOffset, Target);
  Text.Encode(out + kTextOffset);
  WriteI32(out + kColourOffset, Colour);
  Redirect.Encode(out + kRedirectOffset);
  PrePrefix.Encode(out + kPrePrefixOffset);
  for (std::size_t i = 0; i < Assignments.size(); ++i) {
    WriteI32(out + kAssignmentsOffset + 4 * i, Assignments[i]);
  }
}

MenuOption MenuOption::Decode(const uint8_t* in) {
  MenuOption o;
  o.Target = ReadI32(in + kTargetOffset);
  o.Text = decltype(Text)::Decode(in + kTextOffset);
  o.Colour = ReadI32(in + kColourOffset);
  o.Redirect = decltype(Redirect)::Decode(in + kRedirectOffset);
  o.PrePrefix = decltype(PrePrefix)::Decode(in + kPrePrefixOffset);
  for (std::size_t i = 0; i < o.Assignments.size(); ++i) {
    o.Assignments[i] = ReadI32(in + kAssignmentsOffset + 4 * i);
  }
  return o;
}

}  // namespace qv
