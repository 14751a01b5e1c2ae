#include "data/text_wrap.h"

#include <gtest/gtest.h>

#include <string>

namespace qv {
namespace {

TEST(WrapText, ShortTextIsUnchanged) {
  EXPECT_EQ(WrapText("", 74), "");
  EXPECT_EQ(WrapText("kratky popis", 74), "kratky popis");
  const std::string exact(74, 'a');
  EXPECT_EQ(WrapText(exact, 74), exact);
}

TEST(WrapText, BreaksAfterTheLastBlankWithinTheWidth) {
  EXPECT_EQ(WrapText("aaa bbb ccc", 7), "aaa \r\nbbb ccc");
  EXPECT_EQ(WrapText("aaa bbb ccc", 6), "aaa \r\nbbb \r\nccc");
  EXPECT_EQ(WrapText("aaa bbb ccc", 8), "aaa bbb \r\nccc");
  // A break byte at the width's last column still keeps the line within it.
  EXPECT_EQ(WrapText("abcdef gh", 7), "abcdef \r\ngh");
}

TEST(WrapText, HyphenAndTabAreBreakBytes) {
  EXPECT_EQ(WrapText("severo-zapadni", 8), "severo-\r\nzapadni");
  EXPECT_EQ(WrapText("abc\tdefgh", 6), "abc\t\r\ndefgh");
}

TEST(WrapText, LongWordStaysWhole) {
  EXPECT_EQ(WrapText("abcdefghij kl", 5), "abcdefghij \r\nkl");
  EXPECT_EQ(WrapText("abcdefghij", 5), "abcdefghij");
  // A break byte only at the very end makes no empty last line.
  EXPECT_EQ(WrapText("abcdefghij ", 5), "abcdefghij ");
}

TEST(WrapText, ExistingLineEndsStartNewLines) {
  EXPECT_EQ(WrapText("aaaa\r\nbbb ccc", 6), "aaaa\r\nbbb \r\nccc");
  EXPECT_EQ(WrapText("aaaa\rbb cc", 6), "aaaa\rbb cc");
}

TEST(WrapText, At74) {
  // Twenty words "slov" with blanks: 99 bytes. Fifteen words end at byte 74,
  // but their blank would be the 75th, so the line breaks after fourteen.
  std::string text;
  for (int i = 0; i < 20; ++i) text += "slov ";
  text.pop_back();
  const std::string wrapped = WrapText(text, 74);
  const std::size_t brk = wrapped.find("\r\n");
  ASSERT_NE(brk, std::string::npos);
  EXPECT_EQ(brk, 70u);
  EXPECT_EQ(wrapped.substr(brk + 2), "slov slov slov slov slov slov");
}

}  // namespace
}  // namespace qv
