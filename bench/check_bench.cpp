// The authors' checker over a whole generated gamebook: it must cost time in
// proportion to the book (compare 10,000 and 20,000 locations), as every
// reader of a stranger's files must.
#include <benchmark/benchmark.h>

#include "bench_gamebook.h"
#include "tools/gamebook_check.h"

namespace qv::bench {
namespace {

// Arguments: the shape (0 plain, 1 dense constants) and the locations.
void BM_CheckGamebook(benchmark::State& state) {
  UseGamebook(static_cast<int>(state.range(1)), ShapeArgument(state.range(0)));
  std::size_t findings = 0;
  for (auto _ : state) findings = CheckGamebook().size();
  state.counters["findings"] = static_cast<double>(findings);
}
BENCHMARK(BM_CheckGamebook)
    ->ArgNames({"shape", "locations"})
    ->Args({0, 10000})
    ->Args({1, 10000})
    ->Args({1, 20000})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qv::bench
