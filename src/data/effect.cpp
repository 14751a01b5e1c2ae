#include "data/effect.h"

#include "data/record_byte_reader.h"
#include "data/record_byte_writer.h"
#include "data/record_layout.h"

namespace qv {

static_assert(FieldsTileRecord<Effect>());

void Effect::Encode(uint8_t* out) const { EncodeRecord(*this, out); }

Effect Effect::Decode(const uint8_t* in) { return DecodeRecord<Effect>(in); }

}  // namespace qv
