#include "data/effect.h"

#include <cstring>

#include "data/byte_io.h"

namespace qv {

static_assert(Effect::kDigitsOffset + 4 == Effect::kSize);
static_assert(Effect::kNameOffset + decltype(Effect::Name)::kFieldSize == Effect::kOperatorOffset);

void Effect::Encode(uint8_t* out) const {
  std::memset(out, 0, kSize);
  Name.Encode(out + kNameOffset);
  out[kOperatorOffset] = static_cast<uint8_t>(Operator);
  WriteI32(out + kAmountOffset, Amount);
  WriteI32(out + kDigitsOffset, Digits);
}

Effect Effect::Decode(const uint8_t* in) {
  Effect e;
  e.Name = decltype(Name)::Decode(in + kNameOffset);
  e.Operator = static_cast<char>(in[kOperatorOffset]);
  e.Amount = ReadI32(in + kAmountOffset);
  e.Digits = ReadI32(in + kDigitsOffset);
  return e;
}

}  // namespace qv
