#include "data/catalog_records.h"

#include "data/record_byte_reader.h"
#include "data/record_byte_writer.h"
#include "data/record_layout.h"

namespace qv {

static_assert(FieldsTileRecord<Dice>());
static_assert(FieldsTileRecord<Weapon>());
static_assert(FieldsTileRecord<Armour>());
static_assert(FieldsTileRecord<Item>());
static_assert(FieldsTileRecord<Spell>());
static_assert(FieldsTileRecord<Attack>());

void Weapon::Encode(uint8_t* out) const { EncodeRecord(*this, out); }
Weapon Weapon::Decode(const uint8_t* in) { return DecodeRecord<Weapon>(in); }

void Armour::Encode(uint8_t* out) const { EncodeRecord(*this, out); }
Armour Armour::Decode(const uint8_t* in) { return DecodeRecord<Armour>(in); }

void Item::Encode(uint8_t* out) const { EncodeRecord(*this, out); }
Item Item::Decode(const uint8_t* in) { return DecodeRecord<Item>(in); }

void Spell::Encode(uint8_t* out) const { EncodeRecord(*this, out); }
Spell Spell::Decode(const uint8_t* in) { return DecodeRecord<Spell>(in); }

void Attack::Encode(uint8_t* out) const { EncodeRecord(*this, out); }
Attack Attack::Decode(const uint8_t* in) { return DecodeRecord<Attack>(in); }

}  // namespace qv
