#include "state/object_entry.h"

#include "data/record_byte_reader.h"
#include "data/record_byte_writer.h"
#include "data/record_layout.h"

namespace qv {

static_assert(FieldsTileRecord<ObjectEntry>());

void ObjectEntry::Encode(uint8_t* out) const { EncodeRecord(*this, out); }

ObjectEntry ObjectEntry::Decode(const uint8_t* in) { return DecodeRecord<ObjectEntry>(in); }

}  // namespace qv
