// ChangeLoc, the cost of every page: the typical location (30 tags: texts,
// a menu, conditions, variables, money, possessions) on a book of 10,000
// locations and on one of 100, which should cost the same; and pages all
// over the book, as a player's walk visits them, on both shapes of book at
// 10,000 and 100,000 locations (the page change should not grow with it).
#include <benchmark/benchmark.h>

#include "bench_gamebook.h"

namespace qv::bench {
namespace {

void BM_ChangeLocTypical(benchmark::State& state) {
  StartedGame game(static_cast<int>(state.range(0)));
  GameWindow& form = game.session->Form;
  const int32_t typical = game.book->TypicalLocation;
  form.ChangeLoc(typical);
  if (game.session->State->World.Location != typical) state.SkipWithError("not shown");
  for (auto _ : state) {
    form.ChangeLoc(typical);
    benchmark::DoNotOptimize(form.TextBlocks.data());
  }
  state.counters["text_blocks"] = static_cast<double>(form.TextBlocks.size());
}
BENCHMARK(BM_ChangeLocTypical)->Arg(10000)->Arg(100)->Unit(benchmark::kMicrosecond);

// Arguments: the shape (0 plain, 1 dense constants) and the locations.
void BM_ChangeLocWalk(benchmark::State& state) {
  StartedGame game(static_cast<int>(state.range(1)), ShapeArgument(state.range(0)));
  GameWindow& form = game.session->Form;
  GameState& s = *game.session->State;
  for (auto _ : state) {
    // The first option of every page leads on without a window opening.
    form.HoverOption(1);
    form.OptionClick();
    s.Character.ZIVOTY = s.Character.MAXZIVOTY;
    benchmark::DoNotOptimize(form.TextBlocks.data());
  }
  if (game.host.ProgramEnded()) state.SkipWithError("the program ended");
}
BENCHMARK(BM_ChangeLocWalk)
    ->ArgNames({"shape", "locations"})
    ->Args({0, 10000})
    ->Args({1, 10000})
    ->Args({0, 100000})
    ->Args({1, 100000})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qv::bench
