#include "parser/condition_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "parser/condition_parser.h"

namespace qv {
namespace {

std::string Unchanged(std::string_view text) { return std::string(text); }

std::string Describe(std::string_view block, std::string_view currency = "zlatych") {
  int32_t serial = 0;
  return DescribeCondition(ParseCondition(block, 1, serial), currency, Unchanged);
}

TEST(ConditionText, ManaLessThanFive) {
  EXPECT_EQ(Describe("[MANA 0 < \"5\"]"), "Mana je men\x9A\xED 5");
}

TEST(ConditionText, ItemObjectAndVariableConditionsAreNotSpelledOut) {
  const std::string special = "Zvl\xE1\x9Atn\xED podm\xEDnky pou\x9Eit\xED!";
  EXPECT_EQ(Describe("[PREDMET 3 > \"0\"]"), special);
  EXPECT_EQ(Describe("[OBJEKT 3 > \"0\"]"), special);
  EXPECT_EQ(Describe("[3 > \"0\"]"), special);
  for (const char* key :
       {"CISLOZBRANE", "CISLOZBROJE", "ZBRANI", "ZBROJI", "ZBRANIALL", "ZBROJIALL"}) {
    EXPECT_EQ(Describe(std::string("[") + key + " 3 > \"0\"]"), special) << key;
  }
}

TEST(ConditionText, FlagsWinOverALabel) {
  Condition c;
  c.KeyCode = kKeyMana;
  c.ItemKey = 1;
  EXPECT_EQ(DescribeCondition(c, "", Unchanged), "Zvl\xE1\x9Atn\xED podm\xEDnky pou\x9Eit\xED!");
}

TEST(ConditionText, LabelOfEveryAttribute) {
  struct Case {
    const char* Key;
    std::string Label;
  };
  const Case cases[] = {
      {"PENIZE",
       "Po\xE8"
       "et zlatych"},
      {"ZKUSENOSTI",
       "Po\xE8"
       "et XP"},
      {"ZIVOTY",
       "Po\xE8"
       "et \x9Eivot\xF9"},
      {"MAXZIVOTY", "Max. \x9Eivot\xF9"},
      {"MANA", "Mana"},
      {"MAXMANA", "Max. mana"},
      {"SILA", "S\xEDla"},
      {"OBRATNOST", "Obratnost"},
      {"RYCHLOST", "Rychlost"},
      {"ENERGIE", "Energie"},
  };
  for (const Case& k : cases) {
    EXPECT_EQ(Describe(std::string("[") + k.Key + " 0 = \"7\"]"), k.Label + " rovn\xE1 se 7")
        << k.Key;
  }
}

TEST(ConditionText, CurrencyLabelIsCutToThirtySixBytes) {
  const std::string currency(40, 'x');
  EXPECT_EQ(Describe("[PENIZE 0 > \"1\"]", currency),
            "Po\xE8"
            "et " +
                std::string(30, 'x') + " je v\xECt\x9A\xED 1");
  EXPECT_EQ(Describe("[PENIZE 0 > \"1\"]", ""),
            "Po\xE8"
            "et  je v\xECt\x9A\xED 1");
}

TEST(ConditionText, WordsOfEveryOperator) {
  struct Case {
    const char* Operator;
    std::string Words;
  };
  const Case cases[] = {
      {"<", "je men\x9A\xED"},
      {">", "je v\xECt\x9A\xED"},
      {"<>", "nerovn\xE1 se"},
      {"><", "nerovn\xE1 se"},
      {"=", "rovn\xE1 se"},
      {"=>", "je v\xECt\x9A\xED nebo rovno"},
      {">=", "je v\xECt\x9A\xED nebo rovno"},
      {"=<", "je men\x9A\xED nebo rovno"},
      {"<=", "je men\x9A\xED nebo rovno"},
  };
  for (const Case& k : cases) {
    EXPECT_EQ(Describe(std::string("[SILA 0 ") + k.Operator + " \"4\"]"),
              "S\xEDla " + k.Words + " 4")
        << k.Operator;
  }
  // Outside the table there are no words; both blanks stay.
  EXPECT_EQ(Describe("[SILA 0 == \"4\"]"), "S\xEDla  4");
  EXPECT_EQ(Describe("[SILA 0 \"4\"]"), "S\xEDla  4");
}

TEST(ConditionText, UnquotedValueShowsTheVariableNumber) {
  EXPECT_EQ(Describe("[RYCHLOST 0 > 12]"), "Rychlost je v\xECt\x9A\xED 12");
}

TEST(ConditionText, SubjectTrimmedAndBothSubstituted) {
  Condition c;
  c.Subject = "  $1 ";
  c.Operator = ">=";
  c.Value = "$2";
  c.KeyCode = kKeyEnergie;
  std::vector<std::string> seen;
  const std::string text = DescribeCondition(c, "", [&](std::string_view in) {
    seen.emplace_back(in);
    return in == "$2" ? std::string("15") : std::string("9");
  });
  EXPECT_EQ(text, "Energie je v\xECt\x9A\xED nebo rovno 15");
  EXPECT_EQ(seen, (std::vector<std::string>{"$1", "$2"}));
}

}  // namespace
}  // namespace qv
