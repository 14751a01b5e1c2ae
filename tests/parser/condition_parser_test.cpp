#include "parser/condition_parser.h"

#include <gtest/gtest.h>

#include <string>

namespace qv {
namespace {

// Parses a block as the scanner does: text starts with "[".
Condition Block(std::string_view text) {
  int32_t serial = 0;
  return ParseCondition(text, 1, serial);
}

TEST(ConditionParser, VariableAgainstQuotedNumber) {
  int32_t serial = 0;
  const Condition c = ParseCondition("[3 > \"5\"]", 1, serial);
  EXPECT_EQ(c.Subject.str(), "3");
  EXPECT_EQ(c.Operator.str(), ">");
  EXPECT_EQ(c.Value.str(), "5");
  EXPECT_EQ(c.ValueIsVariable, 0);
  EXPECT_EQ(c.KeyCode, 0);
  EXPECT_EQ(c.ItemKey, 0);
  EXPECT_EQ(c.ObjectKey, 0);
  EXPECT_EQ(c.Result, 0);
  EXPECT_EQ(c.Serial, 1);
}

TEST(ConditionParser, StartsAfterItsBracketInsideALongerText) {
  int32_t serial = 0;
  const std::string text = "<a>[ZIVOTY 0 < \"5\"]<b>";
  const Condition c = ParseCondition(text, text.find('[') + 1, serial);
  EXPECT_EQ(c.KeyCode, kKeyZivoty);
  EXPECT_EQ(c.Subject.str(), "0");
  EXPECT_EQ(c.Operator.str(), "<");
  EXPECT_EQ(c.Value.str(), "5");
}

TEST(ConditionParser, StartZeroReadsFromTheFirstByte) {
  int32_t serial = 0;
  const Condition c = ParseCondition("MANA 0 >= \"3\"]", 0, serial);
  EXPECT_EQ(c.KeyCode, kKeyMana);
  EXPECT_EQ(c.Operator.str(), ">=");
  EXPECT_EQ(c.Value.str(), "3");
}

TEST(ConditionParser, QuotedValueIsANumberUnquotedNamesAVariable) {
  const Condition variable = Block("[3 = 4]");
  EXPECT_EQ(variable.Value.str(), "4");
  EXPECT_EQ(variable.ValueIsVariable, 1);
  const Condition number = Block("[3 = \"4\"]");
  EXPECT_EQ(number.Value.str(), "4");
  EXPECT_EQ(number.ValueIsVariable, 0);
}

TEST(ConditionParser, OperatorIsKeptAsWritten) {
  EXPECT_EQ(Block("[PENIZE 0 >= \"100\"]").Operator.str(), ">=");
  EXPECT_EQ(Block("[penize 0 => \"100\"]").Operator.str(), "=>");
  EXPECT_EQ(Block("[penize 0 => \"100\"]").KeyCode, kKeyPenize);
  EXPECT_EQ(Block("[3 == \"1\"]").Operator.str(), "==");
  EXPECT_EQ(Block("[3 \"1\"]").Operator.str(), "");
  EXPECT_EQ(Block("[3<>\"1\"]").Operator.str(), "<>");
}

TEST(ConditionParser, MissingSubjectStaysEmpty) {
  const Condition c = Block("[PENIZE > \"10\"]");
  EXPECT_EQ(c.KeyCode, kKeyPenize);
  EXPECT_EQ(c.Subject.str(), "");
  EXPECT_EQ(c.Operator.str(), ">");
  EXPECT_EQ(c.Value.str(), "10");
}

TEST(ConditionParser, EveryKeyWordInAnyCase) {
  struct Case {
    const char* Key;
    int Code;
  };
  const Case cases[] = {
      {"PENIZE", 1},   {"ZKUSENOSTI", 2}, {"ZIVOTY", 3},       {"MAXZIVOTY", 4},
      {"MANA", 5},     {"MAXMANA", 6},    {"SILA", 7},         {"OBRATNOST", 8},
      {"RYCHLOST", 9}, {"ENERGIE", 10},   {"CISLOZBRANE", 11}, {"CISLOZBROJE", 12},
      {"ZBRANI", 13},  {"ZBROJI", 14},    {"ZBRANIALL", 15},   {"ZBROJIALL", 16},
  };
  for (const Case& k : cases) {
    const std::string upper = k.Key;
    std::string lower = upper;
    for (char& ch : lower) ch = static_cast<char>(ch - 'A' + 'a');
    std::string mixed = lower;
    mixed[0] = upper[0];
    for (const std::string& key : {upper, lower, mixed}) {
      const Condition c = Block("[" + key + " 7 > \"0\"]");
      EXPECT_EQ(c.KeyCode, k.Code) << key;
      EXPECT_EQ(c.ItemKey, 0) << key;
      EXPECT_EQ(c.ObjectKey, 0) << key;
      EXPECT_EQ(c.Subject.str(), "7") << key;
    }
  }
}

TEST(ConditionParser, ItemAndObjectKeysSetTheirFlags) {
  const Condition item = Block("[predmet 12 > \"0\"]");
  EXPECT_EQ(item.ItemKey, 1);
  EXPECT_EQ(item.ObjectKey, 0);
  EXPECT_EQ(item.KeyCode, 0);
  EXPECT_EQ(item.Subject.str(), "12");
  const Condition object = Block("[Objekt 4 = \"2\"]");
  EXPECT_EQ(object.ItemKey, 0);
  EXPECT_EQ(object.ObjectKey, 1);
  EXPECT_EQ(object.KeyCode, 0);
}

TEST(ConditionParser, LastKeyWordTheRunBeginsWithWins) {
  EXPECT_EQ(Block("[PENIZEX 0 > \"1\"]").KeyCode, kKeyPenize);
  EXPECT_EQ(Block("[ZBRANIX 7 > \"0\"]").KeyCode, kKeyZbrani);
  EXPECT_EQ(Block("[ZBRANIALL 7 > \"0\"]").KeyCode, kKeyZbraniAll);
  EXPECT_EQ(Block("[zbraniallxyzxyzxyz 7 > \"0\"]").KeyCode, kKeyZbraniAll);
  EXPECT_EQ(Block("[PREDMETY 3 > \"0\"]").ItemKey, 1);
  // A run that does not begin with a key word means a variable.
  const Condition other = Block("[XPENIZE 3 > \"0\"]");
  EXPECT_EQ(other.KeyCode, 0);
  EXPECT_EQ(other.ItemKey, 0);
  EXPECT_EQ(other.Subject.str(), "3");
  EXPECT_EQ(Block("[ZBRAN 7 > \"0\"]").KeyCode, 0);
}

TEST(ConditionParser, KeyRunEndsAtTheFirstNonLetter) {
  const Condition c = Block("[ZIVOTY0<\"5\"]");
  EXPECT_EQ(c.KeyCode, kKeyZivoty);
  EXPECT_EQ(c.Subject.str(), "0");
  EXPECT_EQ(c.Operator.str(), "<");
  EXPECT_EQ(c.Value.str(), "5");
}

TEST(ConditionParser, DollarReferencesInSubjectAndValue) {
  const Condition c = Block("[$5 > $sila]");
  EXPECT_EQ(c.KeyCode, 0);
  EXPECT_EQ(c.Subject.str(), "$5");
  EXPECT_EQ(c.Value.str(), "$sila");
  EXPECT_EQ(c.ValueIsVariable, 1);
  const Condition quoted = Block("[ZIVOTY 0 < \"$MAXZIVOTY\"]");
  EXPECT_EQ(quoted.Value.str(), "$MAXZIVOTY");
  EXPECT_EQ(quoted.ValueIsVariable, 0);
}

TEST(ConditionParser, BlanksBetweenAllParts) {
  const Condition c = Block("[   SILA    0    <=    \"   12\"   ]");
  EXPECT_EQ(c.KeyCode, kKeySila);
  EXPECT_EQ(c.Subject.str(), "0");
  EXPECT_EQ(c.Operator.str(), "<=");
  EXPECT_EQ(c.ValueIsVariable, 0);
  EXPECT_EQ(c.Value.str(), "12");
}

TEST(ConditionParser, ValueRunEndsAtAnyOtherByte) {
  EXPECT_EQ(Block("[3 = \"1 2\"]").Value.str(), "1");
  EXPECT_EQ(Block("[3 = \"-1\"]").Value.str(), "");
  EXPECT_EQ(Block("[3 = ]").Value.str(), "");
  EXPECT_EQ(Block("[3 = ]").ValueIsVariable, 1);
}

TEST(ConditionParser, ReadingStopsAtTheFirstClosingBracket) {
  const Condition c = Block("[3 >] \"5\"");
  EXPECT_EQ(c.Operator.str(), ">");
  EXPECT_EQ(c.Value.str(), "");
  EXPECT_EQ(c.ValueIsVariable, 1);
}

TEST(ConditionParser, RunsKeepAtMostFiftyBytes) {
  const std::string sixty(60, '7');
  const Condition c = Block("[" + sixty + " " + std::string(60, '<') + " \"" + sixty + "\"]");
  EXPECT_EQ(c.Subject.str(), std::string(50, '7'));
  EXPECT_EQ(c.Operator.str(), std::string(50, '<'));
  EXPECT_EQ(c.Value.str(), std::string(50, '7'));
  EXPECT_EQ(c.ValueIsVariable, 0);
}

TEST(ConditionParser, WithoutClosingBracketReadsToTheEnd) {
  const std::string buffer = "[3 > \"5\"]";
  int32_t serial = 0;
  const Condition c = ParseCondition(std::string_view(buffer).substr(0, 6), 1, serial);
  EXPECT_EQ(c.Subject.str(), "3");
  EXPECT_EQ(c.Operator.str(), ">");
  EXPECT_EQ(c.ValueIsVariable, 0);
  EXPECT_EQ(c.Value.str(), "");

  const Condition cut = ParseCondition(std::string_view(buffer).substr(0, 7), 1, serial);
  EXPECT_EQ(cut.Value.str(), "5");
}

TEST(ConditionParser, EmptyOrPastTheEnd) {
  int32_t serial = 0;
  const Condition empty = ParseCondition("[", 1, serial);
  EXPECT_EQ(empty.Subject.str(), "");
  EXPECT_EQ(empty.Operator.str(), "");
  EXPECT_EQ(empty.Value.str(), "");
  EXPECT_EQ(empty.ValueIsVariable, 1);
  EXPECT_EQ(ParseCondition("", 5, serial).Subject.str(), "");
  EXPECT_EQ(serial, 2);
}

TEST(ConditionParser, SerialIncreasesWithEveryCondition) {
  int32_t serial = 41;
  EXPECT_EQ(ParseCondition("[1 = \"1\"]", 1, serial).Serial, 42);
  EXPECT_EQ(ParseCondition("[1 = \"1\"]", 1, serial).Serial, 43);
  EXPECT_EQ(ParseCondition("garbage", 0, serial).Serial, 44);
  EXPECT_EQ(serial, 44);
}

TEST(ConditionParser, RecordEncodesWhatWasParsed) {
  int32_t serial = 6;
  const Condition c = ParseCondition("[zbroji 2 <> 9]", 1, serial);
  uint8_t bytes[Condition::kSize];
  c.Encode(bytes);
  EXPECT_EQ(bytes[Condition::kSubjectOffset], 1);
  EXPECT_EQ(bytes[Condition::kSubjectOffset + 1], '2');
  EXPECT_EQ(bytes[Condition::kOperatorOffset], 2);
  EXPECT_EQ(bytes[Condition::kValueIsVariableOffset], 1);
  EXPECT_EQ(bytes[Condition::kKeyCodeOffset], 14);
  EXPECT_EQ(bytes[Condition::kSerialOffset], 7);
  const Condition back = Condition::Decode(bytes);
  EXPECT_EQ(back.Value.str(), "9");
  EXPECT_EQ(back.Serial, 7);
}

}  // namespace
}  // namespace qv
