#include "parser/colour.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <utility>
#include <vector>

#include "data/conversion.h"
#include "support/czech_text.h"

namespace qv {
namespace {

TEST(ParseColour, NameAndNumberAgree) {
  EXPECT_EQ(ParseColour("Red"), 0x0000FFu);
  EXPECT_EQ(ParseColour("red"), 0x0000FFu);
  EXPECT_EQ(ParseColour("RED"), 0x0000FFu);
  EXPECT_EQ(ParseColour("$0000FF"), 0x0000FFu);
  EXPECT_EQ(ParseColour("*FF0000"), 0xFF0000u);  // blue
  EXPECT_EQ(ParseColour("*FF0000"), ParseColour("Blue"));
}

TEST(ParseColour, EveryNamedColour) {
  const std::vector<std::pair<const char*, Colour>> table = {
      {"Black", 0x000000},   {"Maroon", 0x000080},     {"Green", 0x008000},
      {"Olive", 0x008080},   {"Navy", 0x800000},       {"Purple", 0x800080},
      {"Teal", 0x808000},    {"Gray", 0x808080},       {"Silver", 0xC0C0C0},
      {"Red", 0x0000FF},     {"Lime", 0x00FF00},       {"Yellow", 0x00FFFF},
      {"Blue", 0xFF0000},    {"Fuchsia", 0xFF00FF},    {"Aqua", 0xFFFF00},
      {"White", 0xFFFFFF},   {"MoneyGreen", 0xC0DCC0}, {"SkyBlue", 0xF0CAA6},
      {"Cream", 0xF0FBFF},   {"MedGray", 0xA4A0A0},
  };
  for (const auto& [name, value] : table) {
    EXPECT_EQ(ParseColour(name), value) << name;
    std::string lower = name;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(ParseColour(lower), value) << lower;
  }
}

TEST(ParseColour, TrimsAndReadsAnyHexNumber) {
  EXPECT_EQ(ParseColour("  White \t"), 0xFFFFFFu);
  EXPECT_EQ(ParseColour(" $00ff00 "), 0x00FF00u);
  EXPECT_EQ(ParseColour("$F"), 0x00000Fu);
  EXPECT_EQ(ParseColour("$000000000A"), 0x0Au);
  EXPECT_EQ(ParseColour("$FFFFFFFF"), 0xFFFFFFFFu);
}

void ExpectRejected(const std::string& text) {
  try {
    ParseColour(text);
    FAIL() << "accepted '" << text << "'";
  } catch (const ConversionError& e) {
    EXPECT_EQ(std::string(e.what()), "'" + text + "' is not a valid integer value");
  }
}

TEST(ParseColour, UnknownTextFailsWithTheOriginalText) {
  ExpectRejected("Purpur");
  ExpectRejected(" Grey ");
  ExpectRejected("clRed");  // the prefix is the engine's, not the author's
  ExpectRejected("255");    // plain decimal is not a colour
  ExpectRejected("");
  ExpectRejected("$");
  ExpectRejected("*");
  ExpectRejected("$GG0000");
  ExpectRejected("$00 FF");
  ExpectRejected("$100000000");
  ExpectRejected("FF*00");
  ExpectRejected(Cz("Červená"));
}

TEST(ColourToHtml, WritesRedGreenBlue) {
  EXPECT_EQ(ColourToHtml(0x0000FF), "#FF0000");
  EXPECT_EQ(ColourToHtml(0xFF0000), "#0000FF");
  EXPECT_EQ(ColourToHtml(0x00FF00), "#00FF00");
  EXPECT_EQ(ColourToHtml(0xF0CAA6), "#A6CAF0");
  EXPECT_EQ(ColourToHtml(0x000000), "#000000");
  EXPECT_EQ(ColourToHtml(0xFF123456), "#563412");
}

}  // namespace
}  // namespace qv
