#include "parser/random_source.h"

#include <chrono>

namespace qv {
namespace {

void Seed(std::mt19937& engine, uint64_t seed) {
  std::seed_seq seq{static_cast<uint32_t>(seed), static_cast<uint32_t>(seed >> 32)};
  engine.seed(seq);
}

// Unbiased lo..hi by rejection over whole 32-bit outputs. Written out rather
// than taken from std::uniform_int_distribution because that one's draws differ
// between standard libraries, and a seeded run must replay anywhere.
int32_t UniformFrom(std::mt19937& engine, int32_t lo, int32_t hi) {
  if (hi <= lo) return lo;
  const uint64_t range = uint64_t{static_cast<uint32_t>(hi) - static_cast<uint32_t>(lo)} + 1;
  constexpr uint64_t kOutputs = uint64_t{1} << 32;
  // The largest multiple of range not above 2^32: draws at or above it would
  // favour the low values.
  const uint64_t limit = kOutputs - kOutputs % range;
  uint64_t draw;
  do {
    draw = static_cast<uint32_t>(engine());
  } while (draw >= limit);
  return static_cast<int32_t>(static_cast<uint32_t>(lo) + static_cast<uint32_t>(draw % range));
}

}  // namespace

ClockRandomSource::ClockRandomSource() { ReseedFromClock(); }

void ClockRandomSource::ReseedFromClock() {
  const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  Seed(engine_, static_cast<uint64_t>(ticks));
}

int32_t ClockRandomSource::Uniform(int32_t lo, int32_t hi) { return UniformFrom(engine_, lo, hi); }

SeededRandomSource::SeededRandomSource(uint64_t seed) { Seed(engine_, seed); }

int32_t SeededRandomSource::Uniform(int32_t lo, int32_t hi) { return UniformFrom(engine_, lo, hi); }

}  // namespace qv
