// Breaking a long text into lines by inserting CR LF pairs. One routine
// serves every window that wraps text; the windows differ only in the rule
// they pass, and each use has its named rule below.
//
// Common to all rules: the text is read from left to right; a blank, a
// hyphen or a TAB is a break position and stays at the end of the line it
// ends; a line without a break position grows until the next one (a long
// word stays whole); nothing is inserted at the very end of the text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qv {

// Where a line that is too long ends.
enum class BreakChoice {
  // After the last break position that keeps the line within the width; a
  // word longer than that ends its line at the first break position after it.
  kWithinWidth,
  // Once the line has grown past the width, after its last break position:
  // a blank in the column just past the width still ends that line.
  kOncePastWidth,
};

// What the quote marks " and ' do.
enum class QuoteRule {
  kOrdinary,  // nothing: they are bytes like any other
  // Text between a quote mark and the next one of the same kind holds no
  // break position.
  kKeepWhole,
  // As kKeepWhole, and no line ends while a quotation is open: the line
  // waits for the closing mark, and a quotation never closed leaves the rest
  // of the text unbroken.
  kKeepWholeAndWait,
};

// Which line ends already in the text are kept; each starts a new line.
enum class KeptLineEnds {
  kNone,  // CR and LF are ordinary bytes
  kCrLf,  // CR LF pairs; a lone CR or LF is an ordinary byte
  kAny,   // CR LF, a lone CR and a lone LF
};

struct WrapRule {
  BreakChoice Choice = BreakChoice::kWithinWidth;
  QuoteRule Quotes = QuoteRule::kOrdinary;
  KeptLineEnds LineEnds = KeptLineEnds::kNone;
  // A break position that opens a line may end it (leaving a line of
  // nothing but that byte).
  bool BreakAtLineStart = true;
  // The blanks, hyphens and TABs right after a break are dropped.
  bool DropBreaksAfterBreak = false;
  // A break may go right before a kept line end (giving an empty line); else
  // a break position there ends the line with the kept line end alone.
  bool BreakBeforeLineEnd = false;
};

// Descriptions in the shop, the inventory and the character sheet, and the
// conditions of an item.
inline constexpr WrapRule kDescriptionWrap{
    .Choice = BreakChoice::kWithinWidth,
    .Quotes = QuoteRule::kOrdinary,
    .LineEnds = KeptLineEnds::kAny,
    .BreakAtLineStart = true,
    .DropBreaksAfterBreak = false,
    .BreakBeforeLineEnd = false,
};

// Descriptions and condition lines of the fight window and the action lists.
inline constexpr WrapRule kFightWrap{
    .Choice = BreakChoice::kOncePastWidth,
    .Quotes = QuoteRule::kKeepWholeAndWait,
    .LineEnds = KeptLineEnds::kCrLf,
    .BreakAtLineStart = false,
    .DropBreaksAfterBreak = true,
    .BreakBeforeLineEnd = true,
};

// TEXT content of a location: blocks of location text do not wrap by
// themselves, the interpreter breaks them.
inline constexpr WrapRule kPageTextWrap{
    .Choice = BreakChoice::kOncePastWidth,
    .Quotes = QuoteRule::kKeepWhole,
    .LineEnds = KeptLineEnds::kNone,
    .BreakAtLineStart = true,
    .DropBreaksAfterBreak = true,
    .BreakBeforeLineEnd = false,
};

// One paragraph of the help text.
inline constexpr WrapRule kHelpWrap{
    .Choice = BreakChoice::kWithinWidth,
    .Quotes = QuoteRule::kKeepWhole,
    .LineEnds = KeptLineEnds::kNone,
    .BreakAtLineStart = true,
    .DropBreaksAfterBreak = false,
    .BreakBeforeLineEnd = false,
};

// TEXT broken into lines of `width` bytes by RULE.
std::string WrapText(std::string_view text, std::size_t width, const WrapRule& rule);

}  // namespace qv
