// Where dice get their numbers.
//
// The game reseeds its generator from a high-resolution clock before every
// roll; a script run with a fixed seed swaps in a source that ignores the
// reseeding, so every draw of the run is reproducible.
#pragma once

#include <cstdint>
#include <random>

namespace qv {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual void ReseedFromClock() = 0;
  // A uniform integer in lo..hi (both included); lo when hi < lo.
  virtual int32_t Uniform(int32_t lo, int32_t hi) = 0;
};

// The game's own source: a Mersenne twister seeded from the clock when made
// and whenever it is asked to reseed.
class ClockRandomSource final : public RandomSource {
 public:
  ClockRandomSource();
  void ReseedFromClock() override;
  int32_t Uniform(int32_t lo, int32_t hi) override;

 private:
  std::mt19937 engine_;
};

// A source with a fixed seed whose ReseedFromClock does nothing. The draws
// depend only on the seed, the same with every compiler and standard library.
class SeededRandomSource final : public RandomSource {
 public:
  explicit SeededRandomSource(uint64_t seed);
  void ReseedFromClock() override {}
  int32_t Uniform(int32_t lo, int32_t hi) override;

 private:
  std::mt19937 engine_;
};

}  // namespace qv
