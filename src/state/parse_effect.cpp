// ParseEffect: one effect entry of a catalog line, such as "sila+2".
#include <string>

#include "data/conversion.h"
#include "data/text_case.h"
#include "state/catalog_loader.h"

namespace qv {

namespace {

bool IsOperatorByte(char c) { return c == '*' || c == '+' || c == '-' || c == '/' || c == '='; }

}  // namespace

Effect ParseEffect(std::string_view text) {
  std::string bytes;
  for (char c : text) {
    if (c != ' ') bytes += c;
  }

  // The leading run of letters and digits: the letters name the attribute,
  // the digits among them (as in "zivoty3") are kept apart as a number.
  std::string name;
  std::string digits;
  std::size_t pos = 0;
  for (; pos < bytes.size() && (IsAsciiLetter(bytes[pos]) || IsAsciiDigit(bytes[pos])); ++pos) {
    (IsAsciiDigit(bytes[pos]) ? digits : name) += bytes[pos];
  }

  Effect effect;
  effect.Name = LowCaseAscii(name);
  effect.Digits = digits.empty() ? 0 : StrToInt(digits);
  effect.Operator = '0';
  effect.Amount = 0;

  std::size_t op = pos;
  while (op < bytes.size() && !IsOperatorByte(bytes[op])) ++op;
  if (op < bytes.size()) {
    effect.Operator = bytes[op];
    std::size_t from = op + 1;
    while (from < bytes.size() && !IsAsciiDigit(bytes[from])) ++from;
    std::size_t to = from;
    while (to < bytes.size() && IsAsciiDigit(bytes[to])) ++to;
    // No digits after the operator: the amount is missing, which fails like
    // every other number field of a catalog line.
    effect.Amount = StrToInt(std::string_view(bytes).substr(from, to - from));
  }
  return effect;
}

}  // namespace qv
