#include "state/world_state.h"

#include "data/record_byte_reader.h"
#include "data/record_byte_writer.h"
#include "data/record_layout.h"

namespace qv {

static_assert(FieldsTileRecord<WorldState>());

void WorldState::Encode(uint8_t* out) const { EncodeRecord(*this, out); }

WorldState WorldState::Decode(const uint8_t* in) { return DecodeRecord<WorldState>(in); }

}  // namespace qv
