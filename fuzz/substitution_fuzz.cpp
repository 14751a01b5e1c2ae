// Value substitution ($NAME references) in any text.
#include <memory>

#include "data/conversion.h"
#include "fuzz/fuzz_support.h"
#include "state/substitution.h"

namespace {
qv::LocalDateTime FixedMoment() { return qv::LocalDateTime{}; }
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static auto state = std::make_unique<qv::GameState>();
  try {
    qv::SubstituteValues(qv::fuzz::AsText(data, size), *state, FixedMoment);
  } catch (const qv::ConversionError&) {
  }
  return 0;
}
