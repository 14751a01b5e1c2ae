#include "possessions/sale_price.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace qv {
namespace {

// The exact rule, counted out: the largest k with 100 × k <= value × percent.
int64_t CountedPrice(int64_t value, int64_t percent) {
  int64_t k = 0;
  while (100 * (k + 1) <= value * percent) ++k;
  return k;
}

TEST(SellingPrice, FollowsTheExactRuleForEveryValueUpTo1000) {
  for (int32_t percent : {0, 33, 50, 99, 100}) {
    for (int32_t value = 0; value <= 1000; ++value) {
      ASSERT_EQ(SellingPrice(value, percent), CountedPrice(value, percent))
          << value << " at " << percent << " %";
    }
  }
}

TEST(SellingPrice, FullValueAtHundredNothingAtZero) {
  EXPECT_EQ(SellingPrice(25, 50), 12);
  EXPECT_EQ(SellingPrice(29, 100), 29);  // a floating-point 29 / 100 × 100 falls short of 29
  EXPECT_EQ(SellingPrice(57, 100), 57);
  EXPECT_EQ(SellingPrice(1000, 0), 0);
  EXPECT_EQ(SellingPrice(3, 33), 0);
  EXPECT_EQ(SellingPrice(1000, 99), 990);
}

TEST(SellingPrice, NegativeAndExtremeFactors) {
  EXPECT_EQ(SellingPrice(25, -50), -13);  // rounds down, not toward zero
  EXPECT_EQ(SellingPrice(10, 250), 25);
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  EXPECT_EQ(SellingPrice(kMax, kMax), 46116860141324206);
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  EXPECT_EQ(SellingPrice(kMax, kMin), -46116860162799043);
}

}  // namespace
}  // namespace qv
