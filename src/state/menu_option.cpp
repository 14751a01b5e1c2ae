#include "state/menu_option.h"

#include "data/record_byte_reader.h"
#include "data/record_byte_writer.h"
#include "data/record_layout.h"

namespace qv {

static_assert(FieldsTileRecord<MenuOption>());

bool MenuOption::AddAssignment(int32_t variable, int32_t value) {
  const std::size_t k = AssignmentCount();
  if (k >= kMaxAssignments) return false;
  Assignments[0] = static_cast<int32_t>(k + 1);
  Assignments[k + 1] = variable;
  Assignments[kMaxAssignments + k + 1] = value;
  return true;
}

void MenuOption::Encode(uint8_t* out) const { EncodeRecord(*this, out); }

MenuOption MenuOption::Decode(const uint8_t* in) { return DecodeRecord<MenuOption>(in); }

}  // namespace qv
