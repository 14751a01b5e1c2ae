// Reading a tag's attributes the way every command does: in text order, a
// later attribute of a name overriding an earlier one, numbers through the
// strict integer conversion (a value that is no number stops the page).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "data/conversion.h"
#include "parser/tag_store.h"

namespace qv {

// The attributes of the tag, slot 1 first.
inline std::span<const param> Attributes(const TagEntry& tag) {
  const auto count = static_cast<std::size_t>(std::clamp(tag.ParamCount, 0, tagg::kMaxParams));
  return {tag.Tag.Params.data(), count};
}

// The value of the last attribute of that (upper-case) name, or null.
inline const std::string* LastAttribute(const TagEntry& tag, std::string_view name) {
  const std::string* found = nullptr;
  for (const param& p : Attributes(tag)) {
    if (p.Name == name) found = &p.Value;
  }
  return found;
}

// The attribute's name read as a whole number above 0 (variable, entry or
// object numbers written as attribute names), or nullopt.
inline std::optional<int32_t> NumericName(const param& p) {
  const auto n = TryStrToInt(p.Name);
  if (!n || *n < 1) return std::nullopt;
  return n;
}

// The value as an integer; throws ConversionError when it is none.
inline int32_t IntValue(const param& p) { return StrToInt(p.Value); }
inline int32_t IntValue(const std::string& value) { return StrToInt(value); }

}  // namespace qv
