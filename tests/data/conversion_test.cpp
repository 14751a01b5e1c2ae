#include "data/conversion.h"

#include <gtest/gtest.h>

#include "support/czech_text.h"

namespace qv {
namespace {

TEST(StrToInt, AcceptsSignedDecimalWithLeadingSpaces) {
  EXPECT_EQ(StrToInt("0"), 0);
  EXPECT_EQ(StrToInt("42"), 42);
  EXPECT_EQ(StrToInt("+42"), 42);
  EXPECT_EQ(StrToInt("-42"), -42);
  EXPECT_EQ(StrToInt("007"), 7);
  EXPECT_EQ(StrToInt("   13"), 13);
  EXPECT_EQ(StrToInt("  -5"), -5);
  EXPECT_EQ(StrToInt("2147483647"), INT32_MAX);
  EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
  EXPECT_EQ(StrToInt("-0000000000002147483648"), INT32_MIN);
}

TEST(StrToInt, RejectsEverythingElse) {
  for (const char* bad : {"", " ", "+", "-", "- 5", "5 ", "5x", "x5", "1.5", "1e3", "$FF", "0x10",
                          "\t5", "2147483648", "-2147483649", "99999999999999999999999", "--5",
                          "+-5"}) {
    EXPECT_FALSE(TryStrToInt(bad).has_value()) << '"' << bad << '"';
    EXPECT_THROW(StrToInt(bad), ConversionError) << '"' << bad << '"';
  }
}

TEST(StrToInt, MessageQuotesTheTextAsGiven) {
  try {
    StrToInt(" 12a ");
    FAIL() << "no exception";
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "' 12a ' is not a valid integer value");
    EXPECT_EQ(e.Text(), " 12a ");
  }
  EXPECT_STREQ(ConversionError("").what(), "'' is not a valid integer value");
  // Windows-1250 bytes pass through untouched.
  EXPECT_EQ(std::string(ConversionError(Cz("pět")).what()),
            Cz("'pět' is not a valid integer value"));
}

TEST(StrToInt, ConversionErrorIsARuntimeError) {
  EXPECT_THROW(StrToInt("x"), std::runtime_error);
}

}  // namespace
}  // namespace qv
