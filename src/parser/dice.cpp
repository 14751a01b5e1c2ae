#include "parser/dice.h"

#include <string>

#include "data/conversion.h"
#include "data/text_case.h"
#include "parser/random_source.h"
#include "parser/wrapping_arithmetic.h"

namespace qv {
namespace {

class DiceReader {
 public:
  explicit DiceReader(std::string_view text) : text_(text) { text_ += ';'; }

  std::string_view Digits() {
    const std::size_t start = pos_;
    while (pos_ < text_.size() && IsAsciiDigit(text_[pos_])) ++pos_;
    return std::string_view(text_).substr(start, pos_ - start);
  }

  // Moves onto the first byte from here that is one of STOPS, or to the end.
  void SkipTo(std::string_view stops) {
    while (pos_ < text_.size() && stops.find(text_[pos_]) == std::string_view::npos) ++pos_;
  }

  // The byte under the reader, consumed; '\0' at the end.
  char Take() { return pos_ < text_.size() ? text_[pos_++] : '\0'; }

 private:
  std::string text_;
  std::size_t pos_ = 0;
};

int32_t OptionalNumber(std::string_view digits) { return digits.empty() ? 0 : StrToInt(digits); }

}  // namespace

Dice ParseDice(std::string_view text) {
  DiceReader reader(text);
  Dice dice;
  dice.Count = StrToInt(reader.Digits());
  reader.SkipTo("k");
  reader.Take();
  dice.Sides = OptionalNumber(reader.Digits());
  reader.SkipTo("+-;");
  const char sign = reader.Take();
  if (sign == '+') dice.Modifier = OptionalNumber(reader.Digits());
  if (sign == '-') dice.Modifier = WrapNeg(OptionalNumber(reader.Digits()));
  return dice;
}

int32_t RollDice(const Dice& dice, RandomSource& source) {
  source.ReseedFromClock();
  int32_t total = dice.Modifier;
  if (dice.Sides <= 0) return total;
  const int32_t count = CappedDiceCount(dice.Count);
  for (int32_t i = 0; i < count; ++i) total = WrapAdd(total, source.Uniform(1, dice.Sides));
  return total;
}

int32_t MinDice(const Dice& dice) { return WrapAdd(dice.Count, dice.Modifier); }

int32_t MaxDice(const Dice& dice) {
  return WrapAdd(WrapMul(dice.Count, dice.Sides), dice.Modifier);
}

}  // namespace qv
