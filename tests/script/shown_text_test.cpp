#include "script/shown_text.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(ShownTextTest, LineBreaksBecomeLineFeeds) {
  EXPECT_EQ(ShownText("a\r\nb"), "a\nb");
  EXPECT_EQ(ShownText("a\rb"), "a\nb");
  EXPECT_EQ(ShownText("a\nb"), "a\nb");
  EXPECT_EQ(ShownText("a\r\r\nb\r"), "a\n\nb\n");
}

TEST(ShownTextTest, CzechLettersBecomeUtf8) {
  // "Příliš žluťoučký kůň" in Windows-1250.
  EXPECT_EQ(ShownText("P\xF8\xEDli\x9A \x9Elu\x9Dou\xE8k\xFD k\xF9\xF2"), "Příliš žluťoučký kůň");
}

}  // namespace
}  // namespace qv
