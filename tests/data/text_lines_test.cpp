#include "data/text_lines.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using Lines = std::vector<std::string>;

TEST(SplitLines, CrLfAndLfEndLines) {
  EXPECT_EQ(SplitLines("ahoj\r\nsvete\nkonec"), (Lines{"ahoj", "svete", "konec"}));
  EXPECT_EQ(SplitLines("a\n"), (Lines{"a"}));
  EXPECT_EQ(SplitLines("a\r\n\r\nb\r\n"), (Lines{"a", "", "b"}));
  EXPECT_EQ(SplitLines("\n"), (Lines{""}));
}

TEST(SplitLines, LoneCrStaysInTheLine) {
  EXPECT_EQ(SplitLines("a\rb\nc\r"), (Lines{"a\rb", "c\r"}));
  EXPECT_EQ(SplitLines("a\r\r\n"), (Lines{"a\r"}));
}

TEST(SplitLines, EmptyTextHasNoLines) { EXPECT_TRUE(SplitLines("").empty()); }

TEST(JoinLines, LineEndsGoLoneCrStays) {
  EXPECT_EQ(JoinLines("ahoj\r\nsvete\nkonec"), "ahojsvetekonec");
  EXPECT_EQ(JoinLines("a\rb\n\r\n\nc\r"), "a\rbc\r");
  EXPECT_EQ(JoinLines(""), "");
}

}  // namespace
}  // namespace qv
