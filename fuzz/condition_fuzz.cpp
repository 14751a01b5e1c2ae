// A condition block parsed from any text and evaluated against a state whose
// variables and attributes come from the input too.
#include <memory>

#include "data/conversion.h"
#include "fuzz/fuzz_support.h"
#include "parser/condition_parser.h"
#include "state/condition_eval.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  static auto state = std::make_unique<qv::GameState>();
  *state = qv::GameState{};
  const std::string_view text = qv::fuzz::AsText(data + 1, size - 1);
  // A few variables with values, so comparisons take both ways.
  for (int32_t n = 1; n <= 5; ++n) state->World.Variables.Set(n, static_cast<int32_t>(data[0]) - n);
  try {
    int32_t serial = 0;
    const qv::Condition condition = qv::ParseCondition(text, data[0] % 4, serial);
    qv::EvaluateCondition(condition, *state);
    qv::DescribeCondition(condition, *state);
  } catch (const qv::ConversionError&) {
    // A number that does not convert is a message to the player.
  }
  return 0;
}
