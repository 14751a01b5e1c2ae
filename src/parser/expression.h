// Integer expressions of gamebook text, such as "(ZIVOTY+3)*2:3" after
// substitution.
#pragma once

#include <cstdint>
#include <string_view>

namespace qv {

// The value of the integer expression at the start of TEXT.
//
//   expression = term { ("+" | "-") term }
//   term       = factor { ("*" | "/" | "%" | ":") factor }
//   factor     = "(" expression <one more byte, dropped unseen>
//              | [ "+" | "-" ] { digit }
//
// Spaces are skipped before every factor and operator, and before the byte
// that closes a bracket. A sign applies to digits only, so "-(3)" is 0, and a
// factor without digits is 0. The first byte that fits nowhere ends the
// evaluation with the value so far ("2+3abc" is 5, "abc" is 0).
//
// Arithmetic wraps on 32 bits. "/" truncates toward zero, "%" keeps the sign of
// the dividend, ":" rounds the quotient to the nearest integer, halves to the
// even neighbour.
//
// Division by zero is a gamebook error; "/", "%" and ":" by zero give 0 rather
// than stopping the game. INT32_MIN divided by -1 wraps to INT32_MIN ("/" and
// ":"), and its remainder is 0.
//
// Brackets nest at most kMaxBracketDepth deep: a "(" deeper than that ends the
// evaluation like a byte that fits nowhere, every pending operator taking 0 for
// its missing operand. This keeps hostile text from exhausting the stack.
int32_t EvaluateExpression(std::string_view text);

inline constexpr int kMaxBracketDepth = 256;

}  // namespace qv
