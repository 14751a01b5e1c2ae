// The entry list at the end of a catalog line: effects and conditions of use,
// sorted into their groups of five.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/catalog_records.h"

namespace qv {

struct CatalogEntries {
  EffectGroup Plain{};  // plain effects; the only effects outside attacks
  uint8_t PlainCount = 0;
  EffectGroup Hit{};  // attacks: entries marked ":"
  uint8_t HitCount = 0;
  EffectGroup Miss{};  // attacks: entries marked "!"
  uint8_t MissCount = 0;
  ConditionGroup Conditions{};
  int32_t ConditionCount = 0;
};

// An entry holding "[" is a condition: every "[" is removed and the rest is
// read by ParseCondition, which takes its serial from `serial`. With
// `attack_marks`, an entry holding ":" is a hit effect and one holding "!" a
// miss effect ("[" wins over ":", ":" over "!"); both marks are removed from
// an effect entry before ParseEffect reads it. Every other
// entry is a plain effect. Each group keeps its first five entries; the rest
// are not read at all, so they neither fail nor use up condition serials.
// Throws ConversionError from ParseEffect.
CatalogEntries SortEntries(const std::vector<std::string>& entries, bool attack_marks,
                           int32_t& serial);

}  // namespace qv
