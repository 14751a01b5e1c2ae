#include "parser/expression.h"

#include <string>

#include "parser/wrapping_arithmetic.h"

namespace qv {
namespace {

int32_t Quotient(int32_t a, int32_t b) {
  if (b == 0) return 0;
  return static_cast<int32_t>(static_cast<uint32_t>(static_cast<int64_t>(a) / b));
}

int32_t Remainder(int32_t a, int32_t b) {
  if (b == 0 || b == -1) return 0;  // b == -1: INT32_MIN % -1 would trap
  return a % b;
}

// The quotient rounded to the nearest integer, halves to the even neighbour.
int32_t RoundedQuotient(int32_t a, int32_t b) {
  if (b == 0) return 0;
  const int64_t n = a;
  const int64_t d = b;
  int64_t q = n / d;
  const int64_t r = n % d;
  const int64_t twice_r = 2 * (r < 0 ? -r : r);
  const int64_t abs_d = d < 0 ? -d : d;
  if (twice_r > abs_d || (twice_r == abs_d && q % 2 != 0)) q += ((n < 0) == (d < 0)) ? 1 : -1;
  return static_cast<int32_t>(static_cast<uint32_t>(q));
}

class Evaluator {
 public:
  explicit Evaluator(std::string_view text) : text_(text) { text_ += ';'; }

  int32_t Expression() {
    int32_t value = Term();
    for (;;) {
      SkipSpaces();
      if (halted_) break;
      const int c = Peek();
      if (c == '+') {
        ++pos_;
        value = WrapAdd(value, Term());
      } else if (c == '-') {
        ++pos_;
        value = WrapSub(value, Term());
      } else {
        break;
      }
    }
    return value;
  }

 private:
  int32_t Term() {
    int32_t value = Factor();
    for (;;) {
      SkipSpaces();
      if (halted_) break;
      const int c = Peek();
      if (c != '*' && c != '/' && c != '%' && c != ':') break;
      ++pos_;
      const int32_t right = Factor();
      switch (c) {
        case '*': value = WrapMul(value, right); break;
        case '/': value = Quotient(value, right); break;
        case '%': value = Remainder(value, right); break;
        default: value = RoundedQuotient(value, right); break;
      }
    }
    return value;
  }

  int32_t Factor() {
    SkipSpaces();
    if (Peek() == '(') {
      if (depth_ >= kMaxBracketDepth) {
        halted_ = true;
        return 0;
      }
      ++pos_;
      ++depth_;
      const int32_t value = Expression();
      --depth_;
      if (!halted_) {
        SkipSpaces();
        // The closing bracket is taken on trust: whatever byte stands here is
        // dropped. Past the end there is nothing left to drop.
        if (pos_ < text_.size()) ++pos_;
      }
      return value;
    }
    bool negative = false;
    if (Peek() == '+' || Peek() == '-') {
      negative = Peek() == '-';
      ++pos_;
    }
    uint32_t value = 0;
    while (Peek() >= '0' && Peek() <= '9') {
      value = value * 10 + static_cast<uint32_t>(Peek() - '0');
      ++pos_;
    }
    const auto result = static_cast<int32_t>(value);
    return negative ? WrapNeg(result) : result;
  }

  void SkipSpaces() {
    while (Peek() == ' ') ++pos_;
  }

  // -1 past the end: a byte that fits nowhere.
  int Peek() const { return pos_ < text_.size() ? static_cast<unsigned char>(text_[pos_]) : -1; }

  std::string text_;
  std::size_t pos_ = 0;
  int depth_ = 0;
  bool halted_ = false;
};

}  // namespace

int32_t EvaluateExpression(std::string_view text) { return Evaluator(text).Expression(); }

}  // namespace qv
