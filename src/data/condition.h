// Condition: one parsed comparison such as [ZIVOTY 0 < "5"] or [3 = 4].
//
// The record is 168 bytes on disk because catalog records embed it and saved
// positions carry the catalogs.
#pragma once

#include <cstddef>
#include <cstdint>

#include "data/record_fields.h"
#include "data/short_string.h"

namespace qv {

struct Condition {
  static constexpr std::size_t kSize = 168;
  static constexpr std::size_t kSubjectOffset = 0;
  static constexpr std::size_t kOperatorOffset = 51;
  static constexpr std::size_t kValueOffset = 102;
  static constexpr std::size_t kValueIsVariableOffset = 153;
  static constexpr std::size_t kItemKeyOffset = 154;
  static constexpr std::size_t kObjectKeyOffset = 155;
  static constexpr std::size_t kKeyCodeOffset = 156;
  static constexpr std::size_t kResultOffset = 160;
  static constexpr std::size_t kSerialOffset = 164;

  // The defaults are those of an empty condition slot in a catalog record.
  ShortString<50> Subject = "0";   // number as written, may hold $ references
  ShortString<50> Operator = "=";  // made of < = >
  ShortString<50> Value = "0";     // as written, may hold $ references
  uint8_t ValueIsVariable = 0;     // 1: unquoted value naming a variable; 0: quoted number
  uint8_t ItemKey = 0;             // key PREDMET
  uint8_t ObjectKey = 0;           // key OBJEKT
  uint8_t KeyCode = 0;             // 0..16
  int32_t Result = 0;              // the interpreter's cached result for the block
  int32_t Serial = 0;              // run-wide parse counter: the identity of a block

  void Encode(uint8_t* out) const;
  static Condition Decode(const uint8_t* in);
};

template <>
struct RecordFields<Condition> {
  static constexpr std::size_t kSize = Condition::kSize;
  template <class V>
  static constexpr void Describe(V& v) {
    using R = Condition;
    v.Field("subject", R::kSubjectOffset, &R::Subject);
    v.Field("operator", R::kOperatorOffset, &R::Operator);
    v.Field("value", R::kValueOffset, &R::Value);
    v.Field("value_is_variable", R::kValueIsVariableOffset, &R::ValueIsVariable);
    v.Field("predmet", R::kItemKeyOffset, &R::ItemKey);
    v.Field("objekt", R::kObjectKeyOffset, &R::ObjectKey);
    v.Field("key_code", R::kKeyCodeOffset, &R::KeyCode);
    v.Padding(157, 3);
    v.Field("result", R::kResultOffset, &R::Result, kHidden);
    v.Field("serial", R::kSerialOffset, &R::Serial, kHidden);
  }
};

}  // namespace qv
