#include <gtest/gtest.h>

#include <array>

#include "data/condition.h"
#include "data/effect.h"
#include "data/short_string.h"

namespace qv {
namespace {

TEST(ShortString, LongerTextKeepsFirstNBytesAndEncodesLengthPrefixed) {
  ShortString<5> s = "abcdefgh";
  EXPECT_EQ(s.str(), "abcde");
  std::array<uint8_t, 6> raw{};
  raw.fill(0xEE);
  s.Encode(raw.data());
  EXPECT_EQ(raw[0], 5);
  EXPECT_EQ(raw[1], 'a');
  EXPECT_EQ(raw[5], 'e');
}

TEST(ShortString, DamagedLengthByteNeverReadsPastTheField) {
  std::array<uint8_t, 4> raw = {200, 'x', 'y', 'z'};
  EXPECT_EQ(ShortString<3>::Decode(raw.data()).str(), "xyz");
}

TEST(EffectRecord, FieldsSitAtTheirOffsets) {
  Effect e;
  e.Name = "sila";
  e.Operator = '+';
  e.Amount = -2;
  e.Digits = 12;
  std::array<uint8_t, Effect::kSize> raw{};
  e.Encode(raw.data());
  EXPECT_EQ(raw[Effect::kNameOffset], 4);
  EXPECT_EQ(raw[Effect::kNameOffset + 1], 's');
  EXPECT_EQ(raw[Effect::kOperatorOffset], '+');
  EXPECT_EQ(raw[Effect::kAmountOffset], 0xFE);
  EXPECT_EQ(raw[Effect::kAmountOffset + 3], 0xFF);
  EXPECT_EQ(raw[Effect::kDigitsOffset], 12);
  Effect back = Effect::Decode(raw.data());
  EXPECT_EQ(back.Name.str(), "sila");
  EXPECT_EQ(back.Operator, '+');
  EXPECT_EQ(back.Amount, -2);
  EXPECT_EQ(back.Digits, 12);
}

TEST(ConditionRecord, FieldsSitAtTheirOffsets) {
  Condition c;
  c.Subject = "12";
  c.Operator = ">=";
  c.Value = "5";
  c.ValueIsVariable = 1;
  c.ItemKey = 1;
  c.ObjectKey = 1;
  c.KeyCode = 16;
  c.Result = 1;
  c.Serial = 0x01020304;
  std::array<uint8_t, Condition::kSize> raw{};
  c.Encode(raw.data());
  EXPECT_EQ(raw[Condition::kSubjectOffset], 2);
  EXPECT_EQ(raw[Condition::kOperatorOffset], 2);
  EXPECT_EQ(raw[Condition::kOperatorOffset + 1], '>');
  EXPECT_EQ(raw[Condition::kValueOffset], 1);
  EXPECT_EQ(raw[Condition::kValueOffset + 1], '5');
  EXPECT_EQ(raw[Condition::kValueIsVariableOffset], 1);
  EXPECT_EQ(raw[Condition::kItemKeyOffset], 1);
  EXPECT_EQ(raw[Condition::kObjectKeyOffset], 1);
  EXPECT_EQ(raw[Condition::kKeyCodeOffset], 16);
  EXPECT_EQ(raw[Condition::kKeyCodeOffset + 1], 0);  // padding
  EXPECT_EQ(raw[Condition::kResultOffset], 1);
  EXPECT_EQ(raw[Condition::kSerialOffset], 4);
  EXPECT_EQ(raw[Condition::kSerialOffset + 3], 1);
  Condition back = Condition::Decode(raw.data());
  EXPECT_EQ(back.Operator.str(), ">=");
  EXPECT_EQ(back.Serial, 0x01020304);
}

TEST(ConditionRecord, EmptySlotReadsZeroEqualsZero) {
  Condition c;
  EXPECT_EQ(c.Subject.str(), "0");
  EXPECT_EQ(c.Operator.str(), "=");
  EXPECT_EQ(c.Value.str(), "0");
}

}  // namespace
}  // namespace qv

namespace qv {
namespace {

TEST(ShortString, ComparesWithEveryKindOfText) {
  ShortString<10> s = "abc";
  EXPECT_EQ(s, "abc");
  EXPECT_EQ(s, std::string("abc"));
  EXPECT_EQ(s, std::string_view("abc"));
  EXPECT_EQ(s, ShortString<10>("abc"));
}

}  // namespace
}  // namespace qv
