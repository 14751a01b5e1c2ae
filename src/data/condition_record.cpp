#include <cstring>

#include "data/byte_io.h"
#include "data/condition.h"

namespace qv {

static_assert(Condition::kSerialOffset + 4 == Condition::kSize);
static_assert(Condition::kValueOffset + decltype(Condition::Value)::kFieldSize ==
              Condition::kValueIsVariableOffset);

void Condition::Encode(uint8_t* out) const {
  std::memset(out, 0, kSize);
  Subject.Encode(out + kSubjectOffset);
  Operator.Encode(out + kOperatorOffset);
  Value.Encode(out + kValueOffset);
  out[kValueIsVariableOffset] = ValueIsVariable;
  out[kItemKeyOffset] = ItemKey;
  out[kObjectKeyOffset] = ObjectKey;
  out[kKeyCodeOffset] = KeyCode;
  WriteI32(out + kResultOffset, Result);
  WriteI32(out + kSerialOffset, Serial);
}

Condition Condition::Decode(const uint8_t* in) {
  Condition c;
  c.Subject = decltype(Subject)::Decode(in + kSubjectOffset);
  c.Operator = decltype(Operator)::Decode(in + kOperatorOffset);
  c.Value = decltype(Value)::Decode(in + kValueOffset);
  c.ValueIsVariable = in[kValueIsVariableOffset];
  c.ItemKey = in[kItemKeyOffset];
  c.ObjectKey = in[kObjectKeyOffset];
  c.KeyCode = in[kKeyCodeOffset];
  c.Result = ReadI32(in + kResultOffset);
  c.Serial = ReadI32(in + kSerialOffset);
  return c;
}

}  // namespace qv
