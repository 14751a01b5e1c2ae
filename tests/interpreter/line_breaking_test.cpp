#include "interpreter/line_breaking.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(BreakTextContent, ShortTextStaysAsItIs) {
  EXPECT_EQ(BreakTextContent("abc def", 50), "abc def");
  EXPECT_EQ(BreakTextContent("", 50), "");
}

TEST(BreakTextContent, BreaksOnceTheLineGrowsPastTheWidth) {
  // Four characters fit; the fifth is past the width and the line ends just
  // after the last blank, which stays at its end.
  EXPECT_EQ(BreakTextContent("abc defgh", 4), "abc \r\ndefgh");
  // Exactly the width is not past it.
  EXPECT_EQ(BreakTextContent("abcd", 4), "abcd");
  EXPECT_EQ(BreakTextContent("ab cd efgh ij", 5), "ab cd \r\nefgh \r\nij");
}

TEST(BreakTextContent, BreakCharactersAfterABreakAreDropped) {
  EXPECT_EQ(BreakTextContent("abcde   fgh", 5), "abcde \r\nfgh");
  // A dash between blanks goes with them.
  EXPECT_EQ(BreakTextContent("abcd - efgh", 4), "abcd \r\nefgh");
}

TEST(BreakTextContent, HyphensAreBreakPositionsAndStayOnTheLine) {
  EXPECT_EQ(BreakTextContent("ab-cdefg", 4), "ab-\r\ncdefg");
  EXPECT_EQ(BreakTextContent("ab\tcdefg", 4), "ab\t\r\ncdefg");
}

TEST(BreakTextContent, ALineWithoutBreakPositionGrowsUntilTheNextOne) {
  EXPECT_EQ(BreakTextContent("abcdefghij kl", 4), "abcdefghij \r\nkl");
  EXPECT_EQ(BreakTextContent("abcdefghij", 4), "abcdefghij");
}

TEST(BreakTextContent, NoBreakIsAddedWhenNothingFollows) {
  EXPECT_EQ(BreakTextContent("abcd ", 4), "abcd ");
  EXPECT_EQ(BreakTextContent("abcd   ", 4), "abcd ");
}

TEST(BreakTextContent, QuotedTextIsNeverBroken) {
  EXPECT_EQ(BreakTextContent("ab \"cd ef gh\" ij", 6), "ab \r\n\"cd ef gh\" \r\nij");
  EXPECT_EQ(BreakTextContent("ab 'cd ef gh' ij", 6), "ab \r\n'cd ef gh' \r\nij");
  // A single quote inside double quotes does not end them, nor start its own.
  EXPECT_EQ(BreakTextContent("\"a'b c d e f\" g", 4), "\"a'b c d e f\" \r\ng");
  // Text after an unclosed quote is not broken any more.
  EXPECT_EQ(BreakTextContent("ab 'cd ef gh ij kl", 4), "ab \r\n'cd ef gh ij kl");
}

TEST(BreakTextContent, LineFeedsOfTheTextAreOrdinaryCharacters) {
  // Only the breaks the engine inserts start a new line for counting.
  EXPECT_EQ(BreakTextContent("ab\ncd ef", 5), "ab\ncd \r\nef");
}

TEST(BreakTextContent, ColumnsDependOnScreenWidthAndBoldness) {
  EXPECT_EQ(TextContentColumns(640, true), 43);
  EXPECT_EQ(TextContentColumns(640, false), 50);
  EXPECT_EQ(TextContentColumns(641, true), 66);
  EXPECT_EQ(TextContentColumns(641, false), 74);
}

TEST(WrapParagraph, KeepsLinesWithinTheWidth) {
  EXPECT_EQ(WrapParagraph("ab cd ef", 5), "ab \r\ncd ef");
  // A line of exactly the width is fine, also at the end of the text.
  EXPECT_EQ(WrapParagraph("ab cd", 5), "ab cd");
  EXPECT_EQ(WrapParagraph("abcde", 5), "abcde");
  // The blank that would make the line one too long is not the break taken.
  EXPECT_EQ(WrapParagraph("ab de fgh", 5), "ab \r\nde \r\nfgh");
}

TEST(WrapParagraph, AWordLongerThanTheWidthStaysWhole) {
  EXPECT_EQ(WrapParagraph("abcdefgh ij", 5), "abcdefgh \r\nij");
  EXPECT_EQ(WrapParagraph("a abcdefgh ij", 5), "a \r\nabcdefgh \r\nij");
}

TEST(WrapParagraph, BreaksAfterHyphensAndNotInsideQuotes) {
  EXPECT_EQ(WrapParagraph("abc-defg", 5), "abc-\r\ndefg");
  EXPECT_EQ(WrapParagraph("ab \"cd ef\" gh", 5), "ab \r\n\"cd ef\" \r\ngh");
  EXPECT_EQ(WrapParagraph("ab 'cd ef' gh", 5), "ab \r\n'cd ef' \r\ngh");
}

}  // namespace
}  // namespace qv
