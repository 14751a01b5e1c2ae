#include "parser/condition_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "parser/condition_parser.h"
#include "support/czech_text.h"

namespace qv {
namespace {

std::string Unchanged(std::string_view text) { return std::string(text); }

std::string Describe(std::string_view block, std::string_view currency = "zlatych") {
  int32_t serial = 0;
  return DescribeCondition(ParseCondition(block, 1, serial), currency, Unchanged);
}

TEST(ConditionText, ManaLessThanFive) {
  EXPECT_EQ(Describe("[MANA 0 < \"5\"]"), Cz("Mana je menší 5"));
}

TEST(ConditionText, ItemObjectAndVariableConditionsAreNotSpelledOut) {
  const std::string special = Cz("Zvláštní podmínky použití!");
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
  EXPECT_EQ(DescribeCondition(c, "", Unchanged), Cz("Zvláštní podmínky použití!"));
}

TEST(ConditionText, LabelOfEveryAttribute) {
  struct Case {
    const char* Key;
    std::string Label;
  };
  const Case cases[] = {
      {"PENIZE", Cz("Počet zlatych")},
      {"ZKUSENOSTI", Cz("Počet XP")},
      {"ZIVOTY", Cz("Počet životů")},
      {"MAXZIVOTY", Cz("Max. životů")},
      {"MANA", "Mana"},
      {"MAXMANA", "Max. mana"},
      {"SILA", Cz("Síla")},
      {"OBRATNOST", "Obratnost"},
      {"RYCHLOST", "Rychlost"},
      {"ENERGIE", "Energie"},
  };
  for (const Case& k : cases) {
    EXPECT_EQ(Describe(std::string("[") + k.Key + " 0 = \"7\"]"), k.Label + Cz(" rovná se 7"))
        << k.Key;
  }
}

TEST(ConditionText, CurrencyLabelIsCutToThirtySixBytes) {
  const std::string currency(40, 'x');
  EXPECT_EQ(Describe("[PENIZE 0 > \"1\"]", currency),
            Cz("Počet ") + std::string(30, 'x') + Cz(" je větší 1"));
  EXPECT_EQ(Describe("[PENIZE 0 > \"1\"]", ""), Cz("Počet  je větší 1"));
}

TEST(ConditionText, WordsOfEveryOperator) {
  struct Case {
    const char* Operator;
    std::string Words;
  };
  const Case cases[] = {
      {"<", Cz("je menší")},
      {">", Cz("je větší")},
      {"<>", Cz("nerovná se")},
      {"><", Cz("nerovná se")},
      {"=", Cz("rovná se")},
      {"=>", Cz("je větší nebo rovno")},
      {">=", Cz("je větší nebo rovno")},
      {"=<", Cz("je menší nebo rovno")},
      {"<=", Cz("je menší nebo rovno")},
  };
  for (const Case& k : cases) {
    EXPECT_EQ(Describe(std::string("[SILA 0 ") + k.Operator + " \"4\"]"),
              Cz("Síla ") + k.Words + " 4")
        << k.Operator;
  }
  // Outside the table there are no words; both blanks stay.
  EXPECT_EQ(Describe("[SILA 0 == \"4\"]"), Cz("Síla  4"));
  EXPECT_EQ(Describe("[SILA 0 \"4\"]"), Cz("Síla  4"));
}

TEST(ConditionText, UnquotedValueShowsTheVariableNumber) {
  EXPECT_EQ(Describe("[RYCHLOST 0 > 12]"), Cz("Rychlost je větší 12"));
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
  EXPECT_EQ(text, Cz("Energie je větší nebo rovno 15"));
  EXPECT_EQ(seen, (std::vector<std::string>{"$1", "$2"}));
}

}  // namespace
}  // namespace qv
