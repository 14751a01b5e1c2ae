#include "state/character_state.h"

#include "data/record_byte_reader.h"
#include "data/record_byte_writer.h"
#include "data/record_layout.h"

namespace qv {

static_assert(FieldsTileRecord<CharacterState>());

void CharacterState::Encode(uint8_t* out) const { EncodeRecord(*this, out); }

CharacterState CharacterState::Decode(const uint8_t* in) {
  return DecodeRecord<CharacterState>(in);
}

void StoreStartAttributes(CharacterState& character) {
  character.STARTSILA = character.SILA;
  character.STARTOBRATNOST = character.OBRATNOST;
  character.STARTMAXZIVOTY = character.MAXZIVOTY;
  character.STARTMAXMANA = character.MAXMANA;
  character.STARTRYCHLOST = character.RYCHLOST;
  character.STARTENERGIE = character.ENERGIE;
}

}  // namespace qv
