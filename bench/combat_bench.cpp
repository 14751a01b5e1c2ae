// One round of a fight: the player's click on an attack, the enemy's strike,
// the player's attack, costs and effects, and the catalogs of attacks and
// spells read again as every round does.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench_gamebook.h"
#include "combat/fight_window.h"

namespace qv::bench {
namespace {

void BM_CombatRound(benchmark::State& state) {
  StartedGame game(100);
  GameState& s = *game.session->State;
  for (int n = 1; n <= 4; ++n) s.Attacks.at(n).Known = 1;
  Enemy& enemy = game.session->Form.FightEnemy;
  FightWindow fight(s, game.host, game.random, game.session->Files, enemy);
  fight.Open(std::vector<param>{{"JMENO", "Vlk"},
                                {"UTOK", "2k6+1"},
                                {"OBRANA", "2"},
                                {"TVRDOST", "1"},
                                {"ZIVOTY", "1000000"},
                                {"NEUMIREJ", "1"}});
  if (fight.ActionLabels.empty()) state.SkipWithError("no attack label");
  for (auto _ : state) {
    // Neither side may fall: the window would close and ignore the clicks.
    s.Character.ZIVOTY = 1000000;
    s.Character.CombatEnergy = 100;
    s.Character.MANA = 100;
    enemy.Lives = 1000000;
    fight.AttackMouseEnter(0);
    fight.AttackClick();
    benchmark::DoNotOptimize(fight.Summary1.data());
  }
  if (fight.IsClosed()) state.SkipWithError("the fight ended");
}
BENCHMARK(BM_CombatRound)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qv::bench
