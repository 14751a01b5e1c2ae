// One frame of the desktop game window showing the typical location at
// 1920 x 1080: every layer drawn and presented. Needs a display (scripts/bench
// runs it under xvfb-run).
#include <benchmark/benchmark.h>

#include "bench_gamebook.h"
#include "desktop/desktop_player.h"

namespace qv::bench {
namespace {

void BM_DesktopFrame(benchmark::State& state) {
  const SyntheticGamebook& book = UseGamebook(10000);
  DesktopOptions options;
  options.Windowed = true;
  options.ScreenWidth = 1920;
  options.ScreenHeight = 1080;
  options.Seed = 1;
  options.OnMessage = [](std::string_view) {};
  DesktopPlayer player(options);
  player.StartGame();
  player.Session().Form.ChangeLoc(book.TypicalLocation);
  player.Host().Render();  // the first frame makes the text textures
  for (auto _ : state) {
    player.Host().Redraw();
    player.Host().Render();
  }
}
BENCHMARK(BM_DesktopFrame)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qv::bench
