// The tests' Cz() helper: the bytes it gives are the converter's, and a text
// it cannot give bytes for fails the test instead of turning into '?'.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "support/czech_text.h"

namespace qv {
namespace {

TEST(CzechTextHelper, CzechLettersBecomeTheirWindows1250Bytes) {
  EXPECT_EQ(Cz("Nastavení"), "Nastaven\xED");
  EXPECT_EQ(Cz("ěščřžýáíéůúťďň"), "\xEC\x9A\xE8\xF8\x9E\xFD\xE1\xED\xE9\xF9\xFA\x9D\xEF\xF2");
  EXPECT_EQ(Cz("ĚŠČŘŽÝÁÍÉŮÚŤĎŇ"), "\xCC\x8A\xC8\xD8\x8E\xDD\xC1\xCD\xC9\xD9\xDA\x8D\xCF\xD2");
  EXPECT_EQ(Cz("„Zpět“ – §"), "\x84Zp\xECt\x93 \x96 \xA7");
}

TEST(CzechTextHelper, AsciiControlsAndQuestionMarksPassThrough) {
  EXPECT_EQ(Cz(""), "");
  EXPECT_EQ(Cz("Kam?\r\n\t\"a\""), "Kam?\r\n\t\"a\"");
  EXPECT_EQ(Cz(std::string_view("a\0b", 3)), std::string("a\0b", 3));
}

// The five bytes the code page leaves unassigned travel as private-use
// characters, as in the converter.
TEST(CzechTextHelper, UnassignedBytesComeFromTheirPrivateCharacters) {
  EXPECT_EQ(Cz("\uF781\uF798"), "\x81\x98");
}

TEST(CzechTextHelper, ACharacterWithoutAByteThrowsNamingTheText) {
  EXPECT_THROW(Cz("\u03A9"), std::invalid_argument);      // Greek omega
  EXPECT_THROW(Cz("\U0001F600"), std::invalid_argument);  // an emoji
  EXPECT_THROW(Cz("\uF780"), std::invalid_argument);      // a private character of no byte
  try {
    Cz("Zl\u00E1to \u00F5");  // õ is Estonian, not in the code page
    FAIL() << "no exception";
  } catch (const std::invalid_argument& e) {
    EXPECT_NE(std::string(e.what()).find("\"Zl\u00E1to \u00F5\""), std::string::npos) << e.what();
  }
}

TEST(CzechTextHelper, MalformedUtf8Throws) {
  EXPECT_THROW(Cz("Nastaven\xED"), std::invalid_argument);  // already Windows-1250
  EXPECT_THROW(Cz("\xC3"), std::invalid_argument);          // a truncated sequence
}

}  // namespace
}  // namespace qv
