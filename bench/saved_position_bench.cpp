// Saving and restoring a position: the record of the whole game state
// (about 1.1 MB) encoded and written through its temporary file, and read,
// checked and put back; and the whole restore of the load list on a running
// session, with the new-game steps and the catalogs read again.
#include <benchmark/benchmark.h>

#include "bench_gamebook.h"
#include "state/saved_position.h"

namespace qv::bench {
namespace {

constexpr int kLocations = 10000;

void BM_SavePosition(benchmark::State& state) {
  StartedGame game(kLocations);
  const GameState& s = *game.session->State;
  const std::string path = SavedPositionPath("bench");
  for (auto _ : state) {
    const std::vector<uint8_t> record = EncodeSavedPosition(s, {});
    if (WriteSavedPosition(path, record)) state.SkipWithError("write");
  }
}
BENCHMARK(BM_SavePosition)->Unit(benchmark::kMillisecond);

void BM_RestorePosition(benchmark::State& state) {
  StartedGame game(kLocations);
  GameState& s = *game.session->State;
  const std::string path = SavedPositionPath("bench");
  WriteSavedPosition(path, EncodeSavedPosition(s, {}));
  for (auto _ : state) {
    SavedPositionReadResult read = ReadSavedPosition(path);
    if (!read.ok()) state.SkipWithError("read");
    ApplySavedPosition(s, *read.Position);
  }
}
BENCHMARK(BM_RestorePosition)->Unit(benchmark::kMillisecond);

// The load list's restore in a running program: the location file is in
// memory already, as it is after the first game of a run.
void BM_StartLoadedGame(benchmark::State& state) {
  StartedGame game(kLocations);
  GameState& s = *game.session->State;
  game.session->Form.ChangeLoc(game.book->TypicalLocation);
  const std::string path = SavedPositionPath("bench");
  WriteSavedPosition(path, EncodeSavedPosition(s, {}));
  for (auto _ : state) {
    s.LoadFileName = path;
    if (!game.session->StartLoadedGame()) state.SkipWithError("restore");
  }
}
BENCHMARK(BM_StartLoadedGame)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qv::bench
