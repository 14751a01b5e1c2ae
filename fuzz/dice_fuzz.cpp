// Dice texts (XkY+Z), rolled and bounded.
#include "data/conversion.h"
#include "fuzz/fuzz_support.h"
#include "parser/dice.h"
#include "parser/random_source.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    const qv::Dice dice = qv::ParseDice(qv::fuzz::AsText(data, size));
    qv::SeededRandomSource random(1);
    qv::RollDice(dice, random);
    qv::MinDice(dice);
    qv::MaxDice(dice);
  } catch (const qv::ConversionError&) {
  }
  return 0;
}
