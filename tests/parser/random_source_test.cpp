#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "parser/random_source.h"

namespace qv {
namespace {

std::vector<int32_t> Draws(RandomSource& source, int count, int32_t lo, int32_t hi) {
  std::vector<int32_t> out;
  for (int i = 0; i < count; ++i) out.push_back(source.Uniform(lo, hi));
  return out;
}

TEST(SeededRandomSource, SameSeedSameDrawsAndReseedingChangesNothing) {
  SeededRandomSource a(99);
  SeededRandomSource b(99);
  std::vector<int32_t> from_a, from_b;
  for (int i = 0; i < 100; ++i) {
    a.ReseedFromClock();
    from_a.push_back(a.Uniform(1, 1000000));
    from_b.push_back(b.Uniform(1, 1000000));
  }
  EXPECT_EQ(from_a, from_b);
}

TEST(SeededRandomSource, SeedsDifferingOnlyInTheHighHalfDiffer) {
  SeededRandomSource low(1);
  SeededRandomSource high((uint64_t{1} << 32) | 1);
  EXPECT_NE(Draws(low, 20, 0, 1000000), Draws(high, 20, 0, 1000000));
}

// Pins the draws of one seed: a scripted run given a seed must replay the same
// on every build.
TEST(SeededRandomSource, DrawsArePinned) {
  SeededRandomSource source(2024);
  EXPECT_EQ(Draws(source, 12, 1, 6), (std::vector<int32_t>{3, 5, 3, 3, 5, 3, 5, 4, 5, 2, 5, 5}));
}

TEST(RandomSource, BoundsAreHonoured) {
  SeededRandomSource source(3);
  EXPECT_EQ(source.Uniform(5, 5), 5);
  EXPECT_EQ(source.Uniform(7, 2), 7);  // empty range: the low bound
  for (int32_t v : Draws(source, 1000, -3, 3)) {
    EXPECT_GE(v, -3);
    EXPECT_LE(v, 3);
  }
  bool negative = false, positive = false;
  for (int32_t v : Draws(source, 64, INT32_MIN, INT32_MAX)) {
    negative |= v < 0;
    positive |= v > 0;
  }
  EXPECT_TRUE(negative && positive);
  for (int32_t v : Draws(source, 100, INT32_MAX - 1, INT32_MAX)) EXPECT_GE(v, INT32_MAX - 1);
}

TEST(RandomSource, FacesComeEvenly) {
  SeededRandomSource source(42);
  std::array<int, 6> counts{};
  constexpr int kDraws = 60000;
  for (int i = 0; i < kDraws; ++i) ++counts[static_cast<std::size_t>(source.Uniform(1, 6) - 1)];
  // Six faces, 10000 expected each; a fair die stays well within 5 %.
  for (int c : counts) {
    EXPECT_GT(c, 9500);
    EXPECT_LT(c, 10500);
  }
}

TEST(ClockRandomSource, DrawsStayInRangeAcrossReseeds) {
  ClockRandomSource source;
  std::array<bool, 6> seen{};
  for (int i = 0; i < 600; ++i) {
    if (i % 10 == 0) source.ReseedFromClock();
    const int32_t v = source.Uniform(1, 6);
    ASSERT_GE(v, 1);
    ASSERT_LE(v, 6);
    seen[static_cast<std::size_t>(v - 1)] = true;
  }
  for (bool s : seen) EXPECT_TRUE(s);
}

}  // namespace
}  // namespace qv
