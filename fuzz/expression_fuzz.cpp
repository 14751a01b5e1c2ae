// Arithmetic formulas.
#include "data/conversion.h"
#include "fuzz/fuzz_support.h"
#include "parser/expression.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    qv::EvaluateExpression(qv::fuzz::AsText(data, size));
  } catch (const qv::ConversionError&) {
  }
  return 0;
}
