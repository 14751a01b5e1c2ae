// Every rule of the one wrapping routine, row by row. Each row names its
// rule; the expected lines are what the window shows, so they are joined
// with CR LF (a CR LF kept from the input splits the lines too).
#include "data/text_wrap.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace qv {
namespace {

struct WrapRow {
  const char* rule_name;
  WrapRule rule;
  std::size_t width;
  std::string input;
  std::vector<std::string> lines;
};

void PrintTo(const WrapRow& row, std::ostream* os) {
  *os << row.rule_name << " width " << row.width << " \"" << row.input << "\"";
}

std::string Repeat(const std::string& text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

#define RULE(name) #name, name

std::vector<WrapRow> Rows() {
  return {
      // --- Descriptions: lines within the width, every line end kept -----
      {RULE(kDescriptionWrap), 74, "", {""}},
      {RULE(kDescriptionWrap), 74, "kratky popis", {"kratky popis"}},
      {RULE(kDescriptionWrap), 74, std::string(74, 'a'), {std::string(74, 'a')}},
      {RULE(kDescriptionWrap), 7, "aaa bbb ccc", {"aaa ", "bbb ccc"}},
      {RULE(kDescriptionWrap), 6, "aaa bbb ccc", {"aaa ", "bbb ", "ccc"}},
      {RULE(kDescriptionWrap), 8, "aaa bbb ccc", {"aaa bbb ", "ccc"}},
      // A break byte in the width's last column still keeps the line within it.
      {RULE(kDescriptionWrap), 7, "abcdef gh", {"abcdef ", "gh"}},
      {RULE(kDescriptionWrap), 8, "severo-zapadni", {"severo-", "zapadni"}},
      {RULE(kDescriptionWrap), 6, "abc\tdefgh", {"abc\t", "defgh"}},
      // A long word stays whole and its line ends at the next blank.
      {RULE(kDescriptionWrap), 5, "abcdefghij kl", {"abcdefghij ", "kl"}},
      {RULE(kDescriptionWrap), 5, "abcdefghij", {"abcdefghij"}},
      // A break byte only at the very end makes no empty last line.
      {RULE(kDescriptionWrap), 5, "abcdefghij ", {"abcdefghij "}},
      // Blanks after a break are kept, on the next line.
      {RULE(kDescriptionWrap), 5, "aaa    bbb", {"aaa  ", "  bbb"}},
      // Quote marks are ordinary bytes.
      {RULE(kDescriptionWrap), 4, "a \"b c\" d", {"a ", "\"b ", "c\" d"}},
      // CR LF, a lone CR and a lone LF each start a new line.
      {RULE(kDescriptionWrap), 6, "aaaa\r\nbbb ccc", {"aaaa", "bbb ", "ccc"}},
      {RULE(kDescriptionWrap), 6, "aaaa\rbb cc", {"aaaa\rbb cc"}},
      {RULE(kDescriptionWrap), 6, "aaaa\nbb cc", {"aaaa\nbb cc"}},
      // A break byte right before a line end leaves that line end alone.
      {RULE(kDescriptionWrap), 4, "abcdefg \r\nhi", {"abcdefg ", "hi"}},
      // A blank opening a line may end it.
      {RULE(kDescriptionWrap), 3, " abcdef", {" ", "abcdef"}},
      // Width 0 breaks at every break byte.
      {RULE(kDescriptionWrap), 0, "ab c", {"ab ", "c"}},
      // Fifteen words "slov" end at byte 74, but their blank would be the
      // 75th, so the first line holds fourteen.
      {RULE(kDescriptionWrap),
       74,
       Repeat("slov ", 19) + "slov",
       {Repeat("slov ", 14), Repeat("slov ", 5) + "slov"}},

      // --- Fight: past the width, quotations wait, CR LF kept ------------
      {RULE(kFightWrap), 5, "aaa bbb ccc", {"aaa ", "bbb ", "ccc"}},
      // The blank that overflows the line is the last one seen: it stays on
      // it, and the blanks after it go.
      {RULE(kFightWrap), 5, "aaa    bbb", {"aaa   ", "bbb"}},
      {RULE(kFightWrap), 5, "ab cd ef", {"ab cd ", "ef"}},
      {RULE(kFightWrap), 4, "ab-cd-ef", {"ab-", "cd-", "ef"}},
      {RULE(kFightWrap), 55, "short", {"short"}},
      {RULE(kFightWrap), 4, "abcdefghij", {"abcdefghij"}},
      {RULE(kFightWrap), 4, "abcdefghij kl", {"abcdefghij ", "kl"}},
      {RULE(kFightWrap), 4, "a \"b c d e\" f", {"a ", "\"b c d e\" ", "f"}},
      {RULE(kFightWrap), 3, "x 'y z w' v", {"x ", "'y z w' ", "v"}},
      {RULE(kFightWrap), 4, "ab 'c d' e f g", {"ab ", "'c d' ", "e f ", "g"}},
      // An open quotation holds every break until it closes: never here.
      {RULE(kFightWrap), 4, "ab 'cd ef gh ij kl", {"ab 'cd ef gh ij kl"}},
      {RULE(kFightWrap), 7, "abc\r\ndef ghi", {"abc", "def ghi"}},
      {RULE(kFightWrap), 4, "abcdefg\r\nhi jk", {"abcdefg", "hi ", "jk"}},
      // A lone LF is an ordinary byte and does not restart the count.
      {RULE(kFightWrap), 5, "ab\ncd ef", {"ab\ncd ", "ef"}},
      // A break right before a kept CR LF leaves an empty line.
      {RULE(kFightWrap), 4, "abcdefg \r\nhi", {"abcdefg ", "", "hi"}},
      // A blank opening a line never ends it, also after a kept CR LF.
      {RULE(kFightWrap), 3, " abcdef", {" abcdef"}},
      {RULE(kFightWrap), 3, "x\r\n abcdef gh", {"x", " abcdef ", "gh"}},
      {RULE(kFightWrap), 4, "abcd   ", {"abcd "}},
      {RULE(kFightWrap), 4, "", {""}},

      // --- TEXT content: past the width, quotations kept whole -----------
      {RULE(kPageTextWrap), 50, "abc def", {"abc def"}},
      {RULE(kPageTextWrap), 50, "", {""}},
      {RULE(kPageTextWrap), 4, "abc defgh", {"abc ", "defgh"}},
      // Exactly the width is not past it.
      {RULE(kPageTextWrap), 4, "abcd", {"abcd"}},
      {RULE(kPageTextWrap), 5, "ab cd efgh ij", {"ab cd ", "efgh ", "ij"}},
      {RULE(kPageTextWrap), 5, "abcde   fgh", {"abcde ", "fgh"}},
      // A hyphen between blanks goes with them.
      {RULE(kPageTextWrap), 4, "abcd - efgh", {"abcd ", "efgh"}},
      {RULE(kPageTextWrap), 4, "ab-cdefg", {"ab-", "cdefg"}},
      {RULE(kPageTextWrap), 4, "ab\tcdefg", {"ab\t", "cdefg"}},
      {RULE(kPageTextWrap), 4, "abcdefghij kl", {"abcdefghij ", "kl"}},
      {RULE(kPageTextWrap), 4, "abcdefghij", {"abcdefghij"}},
      {RULE(kPageTextWrap), 4, "abcd ", {"abcd "}},
      {RULE(kPageTextWrap), 4, "abcd   ", {"abcd "}},
      {RULE(kPageTextWrap), 6, "ab \"cd ef gh\" ij", {"ab ", "\"cd ef gh\" ", "ij"}},
      {RULE(kPageTextWrap), 6, "ab 'cd ef gh' ij", {"ab ", "'cd ef gh' ", "ij"}},
      // A single quote inside double quotes neither ends them nor opens its own.
      {RULE(kPageTextWrap), 4, "\"a'b c d e f\" g", {"\"a'b c d e f\" ", "g"}},
      // An open quotation does not hold the break before it; the text after
      // it is not broken any more.
      {RULE(kPageTextWrap), 4, "ab 'cd ef gh ij kl", {"ab ", "'cd ef gh ij kl"}},
      // CR and LF are ordinary bytes: "ab\r\ncd " is one line of 7.
      {RULE(kPageTextWrap), 5, "ab\ncd ef", {"ab\ncd ", "ef"}},
      {RULE(kPageTextWrap), 5, "ab\r\ncd ef", {"ab", "cd ", "ef"}},
      {RULE(kPageTextWrap), 3, " abcdef", {" ", "abcdef"}},

      // --- Help: lines within the width, quotations kept whole -----------
      {RULE(kHelpWrap), 5, "ab cd ef", {"ab ", "cd ef"}},
      // A line of exactly the width is fine, also at the end of the text.
      {RULE(kHelpWrap), 5, "ab cd", {"ab cd"}},
      {RULE(kHelpWrap), 5, "abcde", {"abcde"}},
      // The blank that would make the line one too long is not the break taken.
      {RULE(kHelpWrap), 5, "ab de fgh", {"ab ", "de ", "fgh"}},
      {RULE(kHelpWrap), 5, "abcdefgh ij", {"abcdefgh ", "ij"}},
      {RULE(kHelpWrap), 5, "a abcdefgh ij", {"a ", "abcdefgh ", "ij"}},
      {RULE(kHelpWrap), 5, "abc-defg", {"abc-", "defg"}},
      {RULE(kHelpWrap), 5, "ab \"cd ef\" gh", {"ab ", "\"cd ef\" ", "gh"}},
      {RULE(kHelpWrap), 5, "ab 'cd ef' gh", {"ab ", "'cd ef' ", "gh"}},
      {RULE(kHelpWrap), 4, "ab 'cd ef gh", {"ab ", "'cd ef gh"}},
      // Nothing is dropped: blanks after a break make lines of their own.
      {RULE(kHelpWrap), 3, "ab   cd", {"ab ", "  ", "cd"}},
      {RULE(kHelpWrap), 5, "ab\r\ncd ef", {"ab", "cd ", "ef"}},
      {RULE(kHelpWrap), 3, " abcdef", {" ", "abcdef"}},
  };
}

#undef RULE

class WrapTextTest : public testing::TestWithParam<WrapRow> {};

TEST_P(WrapTextTest, GivesTheRowsLines) {
  const WrapRow& row = GetParam();
  std::string expected;
  for (std::size_t i = 0; i < row.lines.size(); ++i) {
    if (i > 0) expected += "\r\n";
    expected += row.lines[i];
  }
  EXPECT_EQ(WrapText(row.input, row.width, row.rule), expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, WrapTextTest, testing::ValuesIn(Rows()));

}  // namespace
}  // namespace qv
