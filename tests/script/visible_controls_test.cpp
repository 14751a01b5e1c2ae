#include "script/visible_controls.h"

#include <gtest/gtest.h>

#include <string>

namespace qv {
namespace {

const std::string kEsc = "\x1B";
const std::string kCsi = "\xC2\x9B";  // U+009B in UTF-8
const std::string kOsc = "\xC2\x9D";
const std::string kSt = "\xC2\x9C";

std::string Keep(const std::string& text) { return VisibleControls(text, LineLayout::Keep); }

TEST(VisibleControls, C0ControlsAndDeleteBecomeTheirPictures) {
  // An OSC 52 clipboard write ended by BEL, a terminal reset, CSI, DEL, NUL.
  EXPECT_EQ(Keep(kEsc + "]52;c;ZWNobw==\a"), "␛]52;c;ZWNobw==␇");
  EXPECT_EQ(Keep("a" + kEsc + "cb"), "a␛cb");
  EXPECT_EQ(Keep(kEsc + "[2J\x7F"), "␛[2J␡");
  EXPECT_EQ(Keep(std::string("\0\x1F", 2)), "␀␟");
  EXPECT_EQ(Keep("\r\v\f"), "␍␋␌");
}

TEST(VisibleControls, LineFeedsAndTabsStayOnlyWhenTheLayoutIsKept) {
  EXPECT_EQ(VisibleControls("a\nb\tc", LineLayout::Keep), "a\nb\tc");
  EXPECT_EQ(VisibleControls("a\nb\tc", LineLayout::Show), "a␊b␉c");
}

TEST(VisibleControls, C1ControlsShowAsEscapeAndTheirSevenBitForm) {
  EXPECT_EQ(Keep(kCsi + "2J"), "␛[2J");
  EXPECT_EQ(Keep(kOsc + "0;x" + kSt), "␛]0;x␛\\");
  EXPECT_EQ(Keep("\xC2\x80\xC2\x9F"), "␛@␛_");
}

TEST(VisibleControls, BytesOutsideWellFormedUtf8BecomeReplacementCharacters) {
  // A lone 0x9B is CSI to a terminal set to eight bits.
  EXPECT_EQ(Keep("a\x9B" + std::string("2J")), "a\uFFFD2J");
  EXPECT_EQ(Keep("\xC2"), "\uFFFD");
  EXPECT_EQ(Keep("\xC0\x9B"), "\uFFFD\uFFFD");            // overlong
  EXPECT_EQ(Keep("\xED\xA0\x80"), "\uFFFD\uFFFD\uFFFD");  // a surrogate
}

TEST(VisibleControls, PrintableTextIsUnchanged) {
  const std::string text = "Příliš žluťoučký kůň ~ € \uF781 \U0001F600 ␛ \u00A0©";
  EXPECT_EQ(VisibleControls(text, LineLayout::Show), text);
}

TEST(TerminalText, EngineLineBreaksStayAndControlsOfTheGamebookShow) {
  EXPECT_EQ(TerminalText("Ahoj\r\nsv\xECte" + kEsc + "c\a"), "Ahoj\nsvěte␛c␇");
  EXPECT_EQ(TerminalText("a\rb"), "a\nb");
}

}  // namespace
}  // namespace qv
