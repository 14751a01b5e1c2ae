#include "interpreter/text_columns.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(TextContentColumns, DependOnScreenWidthAndBoldness) {
  EXPECT_EQ(TextContentColumns(640, true), 43u);
  EXPECT_EQ(TextContentColumns(640, false), 50u);
  EXPECT_EQ(TextContentColumns(641, true), 66u);
  EXPECT_EQ(TextContentColumns(641, false), 74u);
}

}  // namespace
}  // namespace qv
