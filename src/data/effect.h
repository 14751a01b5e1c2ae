// Effect: one "attribute operator amount" entry of a catalog record, such as
// "sila+2" on a weapon or "zivoty-3" on an attack. 112 bytes on disk.
#pragma once

#include <cstddef>
#include <cstdint>

#include "data/record_fields.h"
#include "data/short_string.h"

namespace qv {

struct Effect {
  static constexpr std::size_t kSize = 112;
  static constexpr std::size_t kNameOffset = 0;
  static constexpr std::size_t kOperatorOffset = 101;
  static constexpr std::size_t kAmountOffset = 104;
  static constexpr std::size_t kDigitsOffset = 108;

  ShortString<100> Name;  // lower-case attribute name
  char Operator = ' ';    // + - * / =, '0' when written without one, ' ' in an empty slot
  int32_t Amount = 0;
  int32_t Digits = 0;  // the digits found among the letters of the name, as a number

  void Encode(uint8_t* out) const;
  static Effect Decode(const uint8_t* in);
};

template <>
struct RecordFields<Effect> {
  static constexpr std::size_t kSize = Effect::kSize;
  template <class V>
  static constexpr void Describe(V& v) {
    using R = Effect;
    v.Field("name", R::kNameOffset, &R::Name);
    v.Field("operator", R::kOperatorOffset, &R::Operator);
    v.Padding(102, 2);
    v.Field("amount", R::kAmountOffset, &R::Amount);
    v.Field("digits", R::kDigitsOffset, &R::Digits);
  }
};

}  // namespace qv
