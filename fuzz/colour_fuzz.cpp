// Colour texts.
#include "data/conversion.h"
#include "fuzz/fuzz_support.h"
#include "parser/colour.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    qv::ColourToHtml(qv::ParseColour(qv::fuzz::AsText(data, size)));
  } catch (const qv::ConversionError&) {
  }
  return 0;
}
