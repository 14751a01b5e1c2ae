#include "state/substitution.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>

#include "data/text_case.h"

namespace qv {
namespace {

constexpr std::string_view kStringSlot = "RETEZEC";

void AppendNumber(std::string& out, int64_t value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out.append(digits, static_cast<std::size_t>(end - digits));
}

// Reads the run of digits at text[pos], moving pos past it. A number too big
// for any table stops growing at `cap`, so a long run cannot overflow.
long long ReadNumber(std::string_view text, std::size_t& pos, long long cap) {
  long long value = 0;
  while (pos < text.size() && IsAsciiDigit(text[pos])) {
    if (value <= cap) value = value * 10 + (text[pos] - '0');
    ++pos;
  }
  return value;
}

constexpr long long kNumberCap = 1'000'000;

}  // namespace

std::string SubstituteValues(std::string_view text, const GameState& state,
                             const LocalClock& clock) {
  std::size_t dollar = text.find('$');
  if (dollar == std::string_view::npos) return std::string(text);

  std::string out;
  out.reserve(text.size() + 16);
  std::size_t copied = 0;  // text before this position is in `out`
  while (dollar != std::string_view::npos) {
    out.append(text.data() + copied, dollar - copied);
    std::size_t pos = dollar + 1;
    if (pos < text.size() && IsAsciiDigit(text[pos])) {
      // $N: variable N. Numbers outside 1..999 read as 0.
      const long long n = ReadNumber(text, pos, kNumberCap);
      AppendNumber(out, state.World.Variables.Get(n));
    } else if (pos < text.size() && IsAsciiLetter(text[pos])) {
      const std::size_t start = pos;
      while (pos < text.size() && IsAsciiLetter(text[pos])) ++pos;
      const std::size_t length = pos - start;
      // A name longer than every keyword is unknown and reads as 0.
      char upper[kLongestKeyword];
      std::string_view word;
      if (length <= kLongestKeyword) {
        for (std::size_t i = 0; i < length; ++i) upper[i] = UpCaseAscii(text[start + i]);
        word = std::string_view(upper, length);
      }
      if (word == kStringSlot) {
        // RETEZEC takes the digits right after it: text slot K, empty for K
        // outside 1..10 or without digits.
        const long long k = ReadNumber(text, pos, kNumberCap);
        if (const auto* slot = state.World.Strings.Find(k)) out += slot->str();
      } else if (word.empty() || !AppendKeywordValue(out, state, word, clock)) {
        out += '0';
      }
    } else {
      out += '$';
    }
    copied = pos;
    dollar = text.find('$', pos);
  }
  out.append(text.data() + copied, text.size() - copied);
  return out;
}

}  // namespace qv
