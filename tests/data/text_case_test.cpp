#include "data/text_case.h"

#include <gtest/gtest.h>

#include <string>

#include "data/cp1250.h"
#include "support/czech_text.h"

namespace qv {
namespace {

TEST(UpCase1250, AsciiAndCzechLetters) {
  EXPECT_EQ(UpCase1250("abc XYZ 09"), "ABC XYZ 09");
  EXPECT_EQ(UpCase1250(Utf8ToCp1250("ěščřžýáíéůúťďňó")), Utf8ToCp1250("ĚŠČŘŽÝÁÍÉŮÚŤĎŇÓ"));
  EXPECT_EQ(UpCase1250(Cz("šž")), Cz("ŠŽ"));
}

TEST(UpCase1250, OtherLettersOfTheCodePage) {
  EXPECT_EQ(UpCase1250(Utf8ToCp1250("ľĺŕôäśźłąşżćęńőűüţăđîâëç")),
            Utf8ToCp1250("ĽĹŔÔÄŚŹŁĄŞŻĆĘŃŐŰÜŢĂĐÎÂËÇ"));
}

TEST(UpCase1250, NonLettersAndCapitalsStay) {
  // ÷, ß and µ have no capital in the code page; ˙ and the signs are no letters.
  const std::string keep = Utf8ToCp1250("÷ßµ˙§©€„–ĚŠČŘŽ");
  EXPECT_EQ(UpCase1250(keep), keep);
}

TEST(UpCase1250, EveryByteMapsToACapitalThatStays) {
  for (int b = 0; b < 256; ++b) {
    const std::string one(1, static_cast<char>(b));
    const std::string up = UpCase1250(one);
    ASSERT_EQ(up.size(), 1u);
    EXPECT_EQ(UpCase1250(up), up) << "byte " << b;
  }
}

}  // namespace
}  // namespace qv
