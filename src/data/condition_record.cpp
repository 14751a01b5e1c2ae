#include "data/record_byte_reader.h"
#include "data/record_byte_writer.h"
#include "data/record_layout.h"
#include "data/condition.h"

namespace qv {

static_assert(FieldsTileRecord<Condition>());

void Condition::Encode(uint8_t* out) const { EncodeRecord(*this, out); }

Condition Condition::Decode(const uint8_t* in) { return DecodeRecord<Condition>(in); }

}  // namespace qv
