#include "state/apply_effect.h"

#include <string_view>

namespace qv {
namespace {

int32_t* AttributeNamed(CharacterState& c, std::string_view name) {
  if (name == "maxzivoty") return &c.MAXZIVOTY;
  if (name == "maxmana") return &c.MAXMANA;
  if (name == "sila") return &c.SILA;
  if (name == "obratnost") return &c.OBRATNOST;
  if (name == "rychlost") return &c.RYCHLOST;
  if (name == "energie") return &c.ENERGIE;
  return nullptr;
}

int32_t WrappingAdd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

int32_t WrappingSub(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}

void Apply(CharacterState& character, const Effect& effect, bool reversed) {
  if (effect.Operator != '+' && effect.Operator != '-') return;
  int32_t* attribute = AttributeNamed(character, effect.Name.str());
  if (attribute == nullptr) return;
  const bool add = (effect.Operator == '+') != reversed;
  *attribute =
      add ? WrappingAdd(*attribute, effect.Amount) : WrappingSub(*attribute, effect.Amount);
}

}  // namespace

void ApplyEffect(CharacterState& character, const Effect& effect) {
  Apply(character, effect, false);
}

void ApplyEffectReversed(CharacterState& character, const Effect& effect) {
  Apply(character, effect, true);
}

}  // namespace qv
