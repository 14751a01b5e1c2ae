#include "interpreter/link_field_attributes.h"

#include "interpreter/tag_attributes.h"

namespace qv {

bool ApplyLinkField(LinkFields& link, const param& attribute) {
  if (attribute.Name == "PREPREFIX") {
    link.PrePrefix = attribute.Value;
    return true;
  }
  if (attribute.Name == "PRESMERUJ") {
    link.Redirect = attribute.Value;
    return true;
  }
  if (const auto variable = NumericName(attribute)) {
    // The value is read even when the set is full, like every numeric value.
    const int32_t value = IntValue(attribute);
    AddAssignment(link.Assignments, *variable, value);
    return true;
  }
  return false;
}

}  // namespace qv
