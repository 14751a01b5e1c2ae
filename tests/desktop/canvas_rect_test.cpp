// Rectangles of pictures and texts that a gamebook places or sizes at the
// ends of the 32-bit range.
#include <gtest/gtest.h>

#include <cstdint>

#include "desktop/canvas.h"

namespace qv {
namespace {

TEST(RectTest, EdgesAtTheEndsOfTheRangeStopThere) {
  const Rect low{230, INT32_MAX - 10, INT32_MAX, 40};
  EXPECT_EQ(low.Bottom(), INT32_MAX);
  EXPECT_EQ(low.Right(), INT32_MAX);
  EXPECT_TRUE(low.Contains(INT32_MAX - 1, INT32_MAX - 1));
  EXPECT_FALSE(low.Contains(229, INT32_MAX - 1));
  const Rect high{INT32_MIN, INT32_MIN + 5, 10, INT32_MIN};
  EXPECT_EQ(high.Bottom(), INT32_MIN);
  EXPECT_FALSE(high.Contains(INT32_MIN, INT32_MIN + 5));
  // Ordinary rectangles as ever.
  const Rect ordinary{10, 20, 30, 40};
  EXPECT_EQ(ordinary.Right(), 40);
  EXPECT_EQ(ordinary.Bottom(), 60);
  EXPECT_TRUE(ordinary.Contains(39, 59));
  EXPECT_FALSE(ordinary.Contains(40, 59));
}

TEST(RectTest, DrawablePartKeepsWhatAScreenShows) {
  constexpr int kFar = 1 << 24;
  const Rect huge = Drawable(Rect{230, -100, INT32_MAX, INT32_MAX});
  EXPECT_EQ(huge.Left, 230);
  EXPECT_EQ(huge.Top, -100);
  EXPECT_EQ(huge.Right(), kFar);
  EXPECT_EQ(huge.Bottom(), kFar);
  const Rect far = Drawable(Rect{INT32_MIN, INT32_MAX, 30, 30});
  EXPECT_EQ(far.Left, -kFar);
  EXPECT_EQ(far.Width, 0);
  EXPECT_EQ(far.Height, 0);
  const Rect ordinary = Drawable(Rect{10, 20, 30, 40});
  EXPECT_EQ(ordinary.Left, 10);
  EXPECT_EQ(ordinary.Top, 20);
  EXPECT_EQ(ordinary.Width, 30);
  EXPECT_EQ(ordinary.Height, 40);
}

}  // namespace
}  // namespace qv
