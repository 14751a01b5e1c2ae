// Substitution runs on every attribute of every tag of every page, and
// expressions on every variable command: both should stay cheap.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "parser/expression.h"
#include "state/substitution.h"

namespace qv {
namespace {

LocalDateTime FixedMoment() { return {2024, 3, 7, 9, 5, 3}; }

std::unique_ptr<GameState> SampleState() {
  auto s = std::make_unique<GameState>();
  s->Character.Name = "Hrdina";
  s->Character.ZIVOTY = 17;
  s->Character.MAXZIVOTY = 20;
  s->Character.PENIZE = 135;
  s->World.Variables.Set(7, 12);
  s->World.Strings.Set(3, "kl\xED\xE8 od sklepa");
  return s;
}

void BM_SubstituteWithoutDollar(benchmark::State& bench) {
  const auto s = SampleState();
  const std::string text =
      "Vejde\x9A do temn\xE9 s\xEDn\xEC, kde na tebe \xE8"
      "ek\xE1 star\xFD mu\x9E.";
  for (auto _ : bench) benchmark::DoNotOptimize(SubstituteValues(text, *s, FixedMoment));
}
BENCHMARK(BM_SubstituteWithoutDollar);

void BM_SubstituteShortAttribute(benchmark::State& bench) {
  const auto s = SampleState();
  const std::string text = "13";
  for (auto _ : bench) benchmark::DoNotOptimize(SubstituteValues(text, *s, FixedMoment));
}
BENCHMARK(BM_SubstituteShortAttribute);

void BM_SubstituteWithReferences(benchmark::State& bench) {
  const auto s = SampleState();
  const std::string text =
      "$JMENO, m\xE1\x9A $ZIVOTY z $maxzivoty \x9Eivot\xF9, $7 zlat\xFD"
      "ch a $retezec3.";
  for (auto _ : bench) benchmark::DoNotOptimize(SubstituteValues(text, *s, FixedMoment));
}
BENCHMARK(BM_SubstituteWithReferences);

void BM_SubstituteVariableAttribute(benchmark::State& bench) {
  const auto s = SampleState();
  const std::string text = "$7";
  for (auto _ : bench) benchmark::DoNotOptimize(SubstituteValues(text, *s, FixedMoment));
}
BENCHMARK(BM_SubstituteVariableAttribute);

void BM_EvaluateExpression(benchmark::State& bench) {
  const std::string text = "(17+3)*2:3-135%7";
  for (auto _ : bench) benchmark::DoNotOptimize(EvaluateExpression(text));
}
BENCHMARK(BM_EvaluateExpression);

void BM_SubstituteAndEvaluate(benchmark::State& bench) {
  const auto s = SampleState();
  const std::string text = "($ZIVOTY+3)*2:3-$PENIZE%7";
  for (auto _ : bench)
    benchmark::DoNotOptimize(EvaluateExpression(SubstituteValues(text, *s, FixedMoment)));
}
BENCHMARK(BM_SubstituteAndEvaluate);

}  // namespace
}  // namespace qv
