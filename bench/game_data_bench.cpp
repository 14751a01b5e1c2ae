// Reading what a game starts with: the constants, the five catalogs of 100
// entries, the libraries (some nested) and one shop offer.
#include <benchmark/benchmark.h>

#include "bench_gamebook.h"
#include "possessions/shop.h"
#include "state/catalog_loader.h"

namespace qv::bench {
namespace {

constexpr int kLocations = 10000;

void BM_LoadConstants(benchmark::State& state) {
  UseGamebook(kLocations);
  RecordingHost host;
  GameFiles files(host);
  LocationStore store(files, host);
  for (auto _ : state) {
    store.LoadConstants();
    benchmark::DoNotOptimize(store.Constants().data());
  }
  state.counters["constants"] = static_cast<double>(store.Constants().size());
}
BENCHMARK(BM_LoadConstants)->Unit(benchmark::kMicrosecond);

void BM_LoadCatalogs(benchmark::State& state) {
  UseGamebook(kLocations);
  RecordingHost host;
  GameFiles files(host);
  auto s = std::make_unique<GameState>();
  for (auto _ : state) {
    s->Weapons.Count = 0;
    LoadWeapons(files, *s, host);
    s->Armours.Count = 0;
    LoadArmour(files, *s, host);
    s->Items.Count = 0;
    LoadItems(files, *s, host);
    s->Spells.Count = 0;
    LoadSpells(files, *s, host);
    s->Attacks.Count = 0;
    LoadAttacks(files, *s, host);
  }
  if (s->Attacks.Count != 100 || !host.messages.empty()) state.SkipWithError("catalogs");
}
BENCHMARK(BM_LoadCatalogs)->Unit(benchmark::kMicrosecond);

// Every library, nested ones through their references, once per game.
void BM_LoadLibraries(benchmark::State& state) {
  const SyntheticGamebook& book = UseGamebook(kLocations);
  RecordingHost host;
  GameFiles files(host);
  for (auto _ : state) {
    LocationStore store(files, host);
    store.LoadConstants();
    for (const std::string& name : book.LibraryNames) store.FindOrLoadLibrary(name);
    benchmark::DoNotOptimize(store.Libraries().size());
  }
}
BENCHMARK(BM_LoadLibraries)->Unit(benchmark::kMicrosecond);

void BM_LoadShopOffer(benchmark::State& state) {
  StartedGame game(kLocations);
  int32_t n = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(LoadShop(game.session->Files, *game.session->State, n));
    n = n % 20 + 1;
  }
}
BENCHMARK(BM_LoadShopOffer)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qv::bench
