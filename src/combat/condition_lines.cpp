#include "combat/condition_lines.h"

#include "data/text_wrap.h"
#include "state/condition_eval.h"

namespace qv {
namespace {

constexpr std::size_t kConditionColumn = 33;
constexpr std::string_view kLineBreak = "\r\n";

}  // namespace

ConditionLines UnmetConditionLines(std::span<const Condition> conditions, const GameState& state,
                                   std::string_view closing) {
  ConditionLines lines;
  for (const Condition& condition : conditions) {
    if (EvaluateCondition(condition, state)) continue;
    lines.AllMet = false;
    std::string line(kConditionLinePrefix);
    line += DescribeCondition(condition, state);
    lines.Text += WrapText(line, kConditionColumn, kFightWrap);
    lines.Text += kLineBreak;
  }
  if (!lines.AllMet) {
    lines.Text += closing;
    lines.Text += kLineBreak;
  }
  return lines;
}

bool AllConditionsMet(std::span<const Condition> conditions, const GameState& state) {
  for (const Condition& condition : conditions) {
    if (!EvaluateCondition(condition, state)) return false;
  }
  return true;
}

}  // namespace qv
