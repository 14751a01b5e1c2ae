#include "parser/expression.h"

#include <gtest/gtest.h>

#include <string>

#include "support/czech_text.h"

namespace qv {
namespace {

TEST(EvaluateExpression, PrecedenceAndBrackets) {
  EXPECT_EQ(EvaluateExpression("2+3*4"), 14);
  EXPECT_EQ(EvaluateExpression("(2+3)*4"), 20);
  EXPECT_EQ(EvaluateExpression("10-4-3"), 3);          // left to right
  EXPECT_EQ(EvaluateExpression("100/10/5"), 2);
  EXPECT_EQ(EvaluateExpression("2*(3+(4-1))*2"), 24);
  EXPECT_EQ(EvaluateExpression("42"), 42);
  EXPECT_EQ(EvaluateExpression(""), 0);
}

TEST(EvaluateExpression, DivisionOperators) {
  EXPECT_EQ(EvaluateExpression("7/2"), 3);
  EXPECT_EQ(EvaluateExpression("-7/2"), -3);
  EXPECT_EQ(EvaluateExpression("7/-2"), -3);
  EXPECT_EQ(EvaluateExpression("7%2"), 1);
  EXPECT_EQ(EvaluateExpression("-7%2"), -1);
  EXPECT_EQ(EvaluateExpression("7%-2"), 1);
}

TEST(EvaluateExpression, RoundedDivisionSendsHalvesToEven) {
  EXPECT_EQ(EvaluateExpression("7:2"), 4);
  EXPECT_EQ(EvaluateExpression("5:2"), 2);
  EXPECT_EQ(EvaluateExpression("-5:2"), -2);
  EXPECT_EQ(EvaluateExpression("-7:2"), -4);
  EXPECT_EQ(EvaluateExpression("5:-2"), -2);
  EXPECT_EQ(EvaluateExpression("7:-2"), -4);
  EXPECT_EQ(EvaluateExpression("1:2"), 0);
  EXPECT_EQ(EvaluateExpression("3:2"), 2);
  EXPECT_EQ(EvaluateExpression("7:3"), 2);
  EXPECT_EQ(EvaluateExpression("8:3"), 3);
  EXPECT_EQ(EvaluateExpression("-8:3"), -3);
  EXPECT_EQ(EvaluateExpression("2147483647:2"), 1073741824);
}

TEST(EvaluateExpression, SignAppliesToDigitsOnly) {
  EXPECT_EQ(EvaluateExpression("-(3)"), 0);
  EXPECT_EQ(EvaluateExpression("+5"), 5);
  EXPECT_EQ(EvaluateExpression("2*-3"), -6);
  EXPECT_EQ(EvaluateExpression("2- -3"), 5);
  EXPECT_EQ(EvaluateExpression("--5"), -5);  // a lone sign is 0, then "-5" is subtracted
  EXPECT_EQ(EvaluateExpression("- 5"), 0);   // no blank between sign and digits
  EXPECT_EQ(EvaluateExpression("3+"), 3);    // a missing operand is 0
}

TEST(EvaluateExpression, StopsAtTheFirstByteThatFitsNowhere) {
  EXPECT_EQ(EvaluateExpression("2+3abc"), 5);
  EXPECT_EQ(EvaluateExpression("abc"), 0);
  EXPECT_EQ(EvaluateExpression("2 3"), 2);
  EXPECT_EQ(EvaluateExpression("4;+1"), 4);
  EXPECT_EQ(EvaluateExpression("1)+1"), 1);
  EXPECT_EQ(EvaluateExpression(std::string("6\0+1", 4)), 6);
  EXPECT_EQ(EvaluateExpression(Cz("9á+1")), 9);
}

TEST(EvaluateExpression, SpacesAreSkippedAroundOperatorsAndBrackets) {
  EXPECT_EQ(EvaluateExpression("  2  +  3  *  4  "), 14);
  EXPECT_EQ(EvaluateExpression(" ( 2 + 3 ) * 4"), 20);
  EXPECT_EQ(EvaluateExpression("( 7 )   : 2"), 4);
}

TEST(EvaluateExpression, ClosingBracketIsAnyByte) {
  EXPECT_EQ(EvaluateExpression("(2+3]*4"), 20);
  EXPECT_EQ(EvaluateExpression("(2+3x*4"), 20);
  // The byte after the inner value is dropped whatever it is, even an operator.
  EXPECT_EQ(EvaluateExpression("(2+3abc)*4"), 5);
  EXPECT_EQ(EvaluateExpression("(2+3))*4"), 5);
}

TEST(EvaluateExpression, UnclosedBracketsNeverReadPastTheText) {
  EXPECT_EQ(EvaluateExpression("(2+3"), 5);
  EXPECT_EQ(EvaluateExpression("((2+3"), 5);
  EXPECT_EQ(EvaluateExpression("(((((("), 0);
  EXPECT_EQ(EvaluateExpression("1+("), 1);
  EXPECT_EQ(EvaluateExpression("(  "), 0);
}

TEST(EvaluateExpression, ArithmeticWrapsOn32Bits) {
  EXPECT_EQ(EvaluateExpression("2147483647+1"), INT32_MIN);
  EXPECT_EQ(EvaluateExpression("-2147483647-2"), INT32_MAX);
  EXPECT_EQ(EvaluateExpression("65536*65536"), 0);
  EXPECT_EQ(EvaluateExpression("65536*32768"), INT32_MIN);
  EXPECT_EQ(EvaluateExpression("2147483648"), INT32_MIN);    // digits wrap as they accumulate
  EXPECT_EQ(EvaluateExpression("4294967297"), 1);
  EXPECT_EQ(EvaluateExpression("-2147483648"), INT32_MIN);
  EXPECT_EQ(EvaluateExpression("99999999999999999999"), static_cast<int32_t>(0x630FFFFFu));
}

TEST(EvaluateExpression, DivisionByZeroGivesZero) {
  EXPECT_EQ(EvaluateExpression("5/0"), 0);
  EXPECT_EQ(EvaluateExpression("5%0"), 0);
  EXPECT_EQ(EvaluateExpression("5:0"), 0);
  EXPECT_EQ(EvaluateExpression("5/(3-3)+2"), 2);
  EXPECT_EQ(EvaluateExpression("5/abc"), 0);
}

TEST(EvaluateExpression, SmallestIntegerByMinusOneWraps) {
  EXPECT_EQ(EvaluateExpression("-2147483648/-1"), INT32_MIN);
  EXPECT_EQ(EvaluateExpression("-2147483648:-1"), INT32_MIN);
  EXPECT_EQ(EvaluateExpression("-2147483648%-1"), 0);
  EXPECT_EQ(EvaluateExpression("7%-1"), 0);
}

std::string Nested(int depth, const std::string& core) {
  return std::string(depth, '(') + core + std::string(depth, ')');
}

TEST(EvaluateExpression, BracketsNestUpToTheCap) {
  EXPECT_EQ(EvaluateExpression(Nested(kMaxBracketDepth, "7")), 7);
  EXPECT_EQ(EvaluateExpression(Nested(kMaxBracketDepth, "7") + "*2"), 14);
}

TEST(EvaluateExpression, DeeperNestingEndsTheEvaluationWithoutCrashing) {
  EXPECT_EQ(EvaluateExpression(Nested(kMaxBracketDepth + 1, "7")), 0);
  EXPECT_EQ(EvaluateExpression(std::string(100000, '(')), 0);
  EXPECT_EQ(EvaluateExpression(Nested(100000, "1")), 0);
  // Operators already read keep their values; the cut-off operand is 0 and
  // nothing after it is read.
  EXPECT_EQ(EvaluateExpression("5+" + Nested(100000, "1") + "+100"), 5);
  EXPECT_EQ(EvaluateExpression("(3+" + Nested(kMaxBracketDepth, "1") + ")*2"), 3);
}

TEST(EvaluateExpression, LongFlatExpressionsAreFine) {
  std::string text = "0";
  for (int i = 0; i < 100000; ++i) text += "+1";
  EXPECT_EQ(EvaluateExpression(text), 100000);
}

}  // namespace
}  // namespace qv
