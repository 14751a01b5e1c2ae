// Reading a written condition such as ZIVOTY 0 < "5" or 3 = 4 into a
// Condition record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "data/condition.h"

namespace qv {

// Key codes stored at Condition::KeyCode. PREDMET and OBJEKT keep code 0 and
// set their own flags instead.
enum ConditionKeyCode : uint8_t {
  kKeyVariable = 0,
  kKeyPenize = 1,
  kKeyZkusenosti = 2,
  kKeyZivoty = 3,
  kKeyMaxZivoty = 4,
  kKeyMana = 5,
  kKeyMaxMana = 6,
  kKeySila = 7,
  kKeyObratnost = 8,
  kKeyRychlost = 9,
  kKeyEnergie = 10,
  kKeyCisloZbrane = 11,
  kKeyCisloZbroje = 12,
  kKeyZbrani = 13,
  kKeyZbroji = 14,
  kKeyZbraniAll = 15,
  kKeyZbrojiAll = 16,
};

// Reads the condition that starts at text[start] and ends at the next "]"
// (or at the end of the text when there is none). start is the position of
// the opening "[" counted from 1, i.e. the index just past it; 0 when the
// text is the condition itself, as in the catalogs.
//
// The written form is: [key] subject operator ["]value["], blanks between
// the parts optional. The key is the run of letters; it is compared in upper
// case with the key words after every letter, the last match winning, so
// PENIZEX still means PENIZE and ZBRANIALL is not taken for ZBRANI. Subject
// and value keep letters, digits and "$" (at most 50 bytes each), the
// operator keeps <, = and > (at most 50). An unquoted value names a variable.
//
// serial is the run-wide condition counter: it is increased and the new value
// becomes the condition's Serial. Result starts at 0.
Condition ParseCondition(std::string_view text, std::size_t start, int32_t& serial);

}  // namespace qv
