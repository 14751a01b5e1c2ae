// The location store on a gamebook of 10,000 locations (about 8 MB) with 200
// constants and 50 libraries: the first load (read, libraries, constants,
// marker index), also on the dense shape and at 100,000 locations, and the
// fetch and scan that every page costs.
#include <benchmark/benchmark.h>
#include <string>

#include "bench_gamebook.h"
#include "data/constant_list.h"
#include "data/game_files.h"
#include "data/marker_index.h"
#include "host/recording_host.h"
#include "parser/location_store.h"
#include "parser/tag_store.h"

namespace qv::bench {
namespace {

constexpr int kLocations = 10000;

const SyntheticGamebook& Book() { return UseGamebook(kLocations); }

// Arguments: the shape (0 plain, 1 dense constants) and the locations.
void BM_FirstLoad(benchmark::State& state) {
  const SyntheticGamebook& book =
      UseGamebook(static_cast<int>(state.range(1)), ShapeArgument(state.range(0)));
  for (auto _ : state) {
    RecordingHost host;
    GameFiles files(host);
    LocationStore store(files, host);
    store.LoadConstants();
    // As the first page does it: the main text, then location 1.
    TagStore tags;
    if (!store.FetchLocation(1, {}, tags)) state.SkipWithError("fetch");
    benchmark::DoNotOptimize(tags.Count());
  }
  state.counters["data_MB"] = static_cast<double>(book.DataBytes) / 1e6;
}
BENCHMARK(BM_FirstLoad)
    ->ArgNames({"shape", "locations"})
    ->Args({0, 10000})
    ->Args({1, 10000})
    ->Args({0, 100000})
    ->Args({1, 100000})
    ->Unit(benchmark::kMillisecond);

// The parts of the first load on their own, for where the time goes.
struct RawBook {
  explicit RawBook(BookShape shape) {
    UseGamebook(kLocations, shape);
    GameFiles files(host);
    text = files.ReadGameFile("data").value_or(std::string());
    LocationStore store(files, host);
    store.LoadConstants();
    constants = store.Constants();
    expanded = store.ExpandLibraries(text);
  }
  RecordingHost host;
  std::string text;
  std::string expanded;
  std::vector<TMyPlugin> constants;
};

const RawBook& Raw(BookShape shape = BookShape::kPlain) {
  static const RawBook plain(BookShape::kPlain);
  static const RawBook dense(BookShape::kDenseConstants);
  return shape == BookShape::kPlain ? plain : dense;
}

void BM_ReadDataFile(benchmark::State& state) {
  Book();
  RecordingHost host;
  GameFiles files(host);
  for (auto _ : state) benchmark::DoNotOptimize(files.ReadGameFile("data"));
}
BENCHMARK(BM_ReadDataFile)->Unit(benchmark::kMillisecond);

void BM_ExpandLibraries(benchmark::State& state) {
  const RawBook& raw = Raw();
  Book();
  for (auto _ : state) {
    RecordingHost host;
    GameFiles files(host);
    LocationStore store(files, host);
    benchmark::DoNotOptimize(store.ExpandLibraries(raw.text));
  }
}
BENCHMARK(BM_ExpandLibraries)->Unit(benchmark::kMillisecond);

// Argument: the shape (0 plain, 1 dense constants).
void BM_ApplyConstants(benchmark::State& state) {
  const RawBook& raw = Raw(ShapeArgument(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(ApplyConstantList(raw.expanded, raw.constants));
  state.counters["constants"] = static_cast<double>(raw.constants.size());
}
BENCHMARK(BM_ApplyConstants)->ArgName("shape")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_IndexMarkers(benchmark::State& state) {
  const RawBook& raw = Raw();
  for (auto _ : state) {
    MarkerIndex index(raw.expanded);
    benchmark::DoNotOptimize(index.Find("1"));
  }
}
BENCHMARK(BM_IndexMarkers)->Unit(benchmark::kMillisecond);

// One page: cut the location out, put prefix, option library and suffix
// around it, scan it into tags. Locations are visited all over the book.
void BM_FetchAndScan(benchmark::State& state) {
  Book();
  RecordingHost host;
  GameFiles files(host);
  LocationStore store(files, host);
  store.LoadConstants();
  store.EnsureMainText();
  store.SetPrefix(&store.FindOrLoadLibrary("lib3"));
  store.SetSuffix(&store.FindOrLoadLibrary("lib4"));
  const FetchOptions options{.OptionLibrary = "lib5", .PrefixEnabled = true, .SuffixEnabled = true};
  TagStore tags;
  uint32_t n = 1;
  for (auto _ : state) {
    tags.Clear();
    if (!store.FetchLocation(static_cast<int32_t>(n), options, tags)) state.SkipWithError("fetch");
    benchmark::DoNotOptimize(tags.Count());
    n = (n * 7919 + 13) % kLocations + 1;
  }
}
BENCHMARK(BM_FetchAndScan)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qv::bench
