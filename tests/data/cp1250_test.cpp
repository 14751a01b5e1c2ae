#include "data/cp1250.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace qv {
namespace {

std::string AllBytes() {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  return all;
}

TEST(Cp1250, EveryByteSurvivesTheRoundTrip) {
  const std::string all = AllBytes();
  const std::string utf8 = Cp1250ToUtf8(all);
  EXPECT_EQ(Utf8ToCp1250(utf8), all);
  // Nothing collapses into '?' on the way: the UTF-8 form holds no '?' but
  // the one of the byte 0x3F.
  EXPECT_EQ(std::count(utf8.begin(), utf8.end(), '?'), 1);
}

TEST(Cp1250, CzechLettersBothWays) {
  const std::string small_utf8 = "ěščřžýáíéůúťďň";
  const std::string small_1250 = "\xEC\x9A\xE8\xF8\x9E\xFD\xE1\xED\xE9\xF9\xFA\x9D\xEF\xF2";
  const std::string capital_utf8 = "ĚŠČŘŽÝÁÍÉŮÚŤĎŇ";
  const std::string capital_1250 = "\xCC\x8A\xC8\xD8\x8E\xDD\xC1\xCD\xC9\xD9\xDA\x8D\xCF\xD2";
  EXPECT_EQ(Utf8ToCp1250(small_utf8), small_1250);
  EXPECT_EQ(Cp1250ToUtf8(small_1250), small_utf8);
  EXPECT_EQ(Utf8ToCp1250(capital_utf8), capital_1250);
  EXPECT_EQ(Cp1250ToUtf8(capital_1250), capital_utf8);
  EXPECT_EQ(Cp1250ToUtf8("Chybn\xE9 soubory"), "Chybné soubory");
}

TEST(Cp1250, PunctuationAndTheEdgesOfTheTable) {
  EXPECT_EQ(Cp1250ToUtf8("\x80"), "€");
  EXPECT_EQ(Cp1250ToUtf8("\x84\x93"), "„“");
  EXPECT_EQ(Cp1250ToUtf8("\x96\x97"), "–—");
  EXPECT_EQ(Cp1250ToUtf8("\xA0"), "\u00A0");
  EXPECT_EQ(Cp1250ToUtf8("\xFF"), "˙");
  EXPECT_EQ(Utf8ToCp1250("€…™"), "\x80\x85\x99");
}

TEST(Cp1250, UnassignedBytesTravelAsPrivateCharacters) {
  EXPECT_EQ(Cp1250ToUtf8("\x81"), "\uF781");
  EXPECT_EQ(Cp1250ToUtf8("\x83\x88\x90\x98"), "\uF783\uF788\uF790\uF798");
  EXPECT_EQ(Utf8ToCp1250("\uF781\uF783\uF788\uF790\uF798"), "\x81\x83\x88\x90\x98");
  // Other private characters are not bytes of the code page.
  EXPECT_EQ(Utf8ToCp1250("\uF780\uF7FF"), "??");
}

TEST(Cp1250, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1250("a\u03A9b"), "a?b");     // Greek omega
  EXPECT_EQ(Utf8ToCp1250("\u65E5\u672C"), "??");  // two CJK characters
  EXPECT_EQ(Utf8ToCp1250("\U0001F600"), "?");     // one four-byte character, one '?'
  EXPECT_EQ(Utf8ToCp1250("\u0080\u00FF"), "??");  // C1 control, ÿ
}

TEST(Cp1250, MalformedUtf8BecomesOneQuestionMarkPerByte) {
  EXPECT_EQ(Utf8ToCp1250("\xFF"), "?");
  EXPECT_EQ(Utf8ToCp1250("a\x80"
                         "b"),
            "a?b");                        // stray continuation byte
  EXPECT_EQ(Utf8ToCp1250("x\xC4"), "x?");  // truncated at the end
  EXPECT_EQ(Utf8ToCp1250("\xE2\x82"
                         "A"),
            "??A");                                     // truncated in the middle
  EXPECT_EQ(Utf8ToCp1250("\xC0\xAF"), "??");            // overlong '/'
  EXPECT_EQ(Utf8ToCp1250("\xED\xA0\x80"), "???");       // surrogate
  EXPECT_EQ(Utf8ToCp1250("\xF4\x90\x80\x80"), "????");  // past U+10FFFF
  EXPECT_EQ(Utf8ToCp1250(std::string("\0z", 2)), std::string("\0z", 2));
}

}  // namespace
}  // namespace qv
