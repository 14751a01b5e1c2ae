#include "state/condition_eval.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "data/conversion.h"
#include "parser/condition_parser.h"
#include "support/czech_text.h"

namespace qv {
namespace {

Condition Block(std::string_view text) {
  int32_t serial = 0;
  return ParseCondition(text, 1, serial);
}

bool Eval(const GameState& s, std::string_view block) { return EvaluateCondition(Block(block), s); }

// The message a condition fails with, or "<none>".
std::string Failure(const GameState& s, const Condition& c) {
  try {
    EvaluateCondition(c, s);
  } catch (const ConversionError& e) {
    return e.what();
  }
  return "<none>";
}

std::unique_ptr<GameState> EmptyState() { return std::make_unique<GameState>(); }

TEST(EvaluateCondition, VariableAgainstANumber) {
  auto s = EmptyState();
  s->World.Variables.Set(3, 6);
  EXPECT_TRUE(Eval(*s, "[3 > \"5\"]"));
  s->World.Variables.Set(3, 5);
  EXPECT_FALSE(Eval(*s, "[3 > \"5\"]"));
}

TEST(EvaluateCondition, UnquotedValueNamesAVariable) {
  auto s = EmptyState();
  s->World.Variables.Set(3, 7);
  s->World.Variables.Set(4, 7);
  EXPECT_TRUE(Eval(*s, "[3 = 4]"));
  EXPECT_FALSE(Eval(*s, "[3 = \"4\"]"));
  s->World.Variables.Set(3, 4);
  EXPECT_FALSE(Eval(*s, "[3 = 4]"));
  EXPECT_TRUE(Eval(*s, "[3 = \"4\"]"));
}

TEST(EvaluateCondition, KeysAndOperatorsIgnoreCaseAndOrder) {
  auto s = EmptyState();
  s->Character.PENIZE = 100;
  EXPECT_TRUE(Eval(*s, "[PENIZE 0 >= \"100\"]"));
  EXPECT_TRUE(Eval(*s, "[penize 0 => \"100\"]"));
  s->Character.PENIZE = 99;
  EXPECT_FALSE(Eval(*s, "[PENIZE 0 >= \"100\"]"));
  EXPECT_FALSE(Eval(*s, "[penize 0 => \"100\"]"));
}

TEST(EvaluateCondition, OperatorOutsideTheTableMeansNotEqual) {
  auto s = EmptyState();
  s->World.Variables.Set(3, 1);
  EXPECT_FALSE(Eval(*s, "[3 == \"1\"]"));
  s->World.Variables.Set(3, 2);
  EXPECT_TRUE(Eval(*s, "[3 == \"1\"]"));
}

TEST(EvaluateCondition, EveryOperator) {
  auto s = EmptyState();
  struct Case {
    const char* Op;
    bool Less, Equal, Greater;  // result when L is below, at, above R
  };
  const Case cases[] = {
      {"<", true, false, false},  {">", false, false, true}, {"<>", true, false, true},
      {"><", true, false, true},  {"=", false, true, false}, {"=>", false, true, true},
      {">=", false, true, true},  {"=<", true, true, false}, {"<=", true, true, false},
      {"", true, false, true},    {"<<", true, false, true}, {"=>=", true, false, true},
      {"<=>", true, false, true},
  };
  for (const Case& c : cases) {
    const std::string block = std::string("[3 ") + c.Op + " \"10\"]";
    s->World.Variables.Set(3, 9);
    EXPECT_EQ(Eval(*s, block), c.Less) << block;
    s->World.Variables.Set(3, 10);
    EXPECT_EQ(Eval(*s, block), c.Equal) << block;
    s->World.Variables.Set(3, 11);
    EXPECT_EQ(Eval(*s, block), c.Greater) << block;
  }
}

TEST(EvaluateCondition, ComparisonsAreSigned) {
  auto s = EmptyState();
  s->Character.MANA = -3;
  EXPECT_TRUE(Eval(*s, "[MANA 0 < \"0\"]"));
  Condition c = Block("[MANA 0 = \"3\"]");
  c.Value = "-3";  // the parser keeps no sign, a stored condition may carry one
  EXPECT_TRUE(EvaluateCondition(c, *s));
}

TEST(EvaluateCondition, WeaponInHandCountsForTheAllKeys) {
  auto s = EmptyState();
  s->Character.CurrentWeapon.Number = 7;
  EXPECT_TRUE(Eval(*s, "[ZBRANIALL 7 > \"0\"]"));
  EXPECT_FALSE(Eval(*s, "[ZBRANI 7 > \"0\"]"));
  s->Weapons.at(7).Held = 2;
  EXPECT_TRUE(Eval(*s, "[ZBRANIALL 7 = \"3\"]"));
  EXPECT_TRUE(Eval(*s, "[ZBRANI 7 = \"2\"]"));
  EXPECT_TRUE(Eval(*s, "[ZBRANIALL 6 = \"0\"]"));

  s->Character.CurrentArmour.Number = 4;
  EXPECT_TRUE(Eval(*s, "[ZBROJIALL 4 = \"1\"]"));
  EXPECT_TRUE(Eval(*s, "[ZBROJI 4 = \"0\"]"));
}

// Each key reads its own quantity; every quantity differs from the others.
TEST(EvaluateCondition, EveryKeyCode) {
  auto s = EmptyState();
  CharacterState& c = s->Character;
  c.PENIZE = 101;
  c.ZKUSENOSTI = 102;
  c.ZIVOTY = 103;
  c.MAXZIVOTY = 104;
  c.MANA = 105;
  c.MAXMANA = 106;
  c.SILA = 107;
  c.OBRATNOST = 108;
  c.RYCHLOST = 109;
  c.ENERGIE = 110;
  c.CurrentWeapon.Number = 8;
  c.CurrentArmour.Number = 9;
  s->Weapons.at(5).Held = 113;
  s->Armours.at(5).Held = 114;
  s->Weapons.at(8).Held = 114;   // ZBRANIALL 8: 114 + 1
  s->Armours.at(9).Held = 115;   // ZBROJIALL 9: 115 + 1
  s->World.Variables.Set(5, 1);  // what code 0 would read
  s->World.Variables.Set(8, 2);
  s->World.Variables.Set(9, 3);

  struct Case {
    const char* Key;
    uint8_t Code;
    const char* Subject;
    int Value;
  };
  const Case cases[] = {
      {"PENIZE", kKeyPenize, "0", 101},
      {"ZKUSENOSTI", kKeyZkusenosti, "0", 102},
      {"ZIVOTY", kKeyZivoty, "0", 103},
      {"MAXZIVOTY", kKeyMaxZivoty, "0", 104},
      {"MANA", kKeyMana, "0", 105},
      {"MAXMANA", kKeyMaxMana, "0", 106},
      {"SILA", kKeySila, "0", 107},
      {"OBRATNOST", kKeyObratnost, "0", 108},
      {"RYCHLOST", kKeyRychlost, "0", 109},
      {"ENERGIE", kKeyEnergie, "0", 110},
      {"CISLOZBRANE", kKeyCisloZbrane, "0", 8},
      {"CISLOZBROJE", kKeyCisloZbroje, "0", 9},
      {"ZBRANI", kKeyZbrani, "5", 113},
      {"ZBROJI", kKeyZbroji, "5", 114},
      {"ZBRANIALL", kKeyZbraniAll, "8", 115},
      {"ZBROJIALL", kKeyZbrojiAll, "9", 116},
  };
  for (const Case& k : cases) {
    const std::string block =
        std::string("[") + k.Key + " " + k.Subject + " = \"" + std::to_string(k.Value) + "\"]";
    const Condition parsed = Block(block);
    ASSERT_EQ(parsed.KeyCode, k.Code) << block;
    EXPECT_TRUE(EvaluateCondition(parsed, *s)) << block;
    const std::string off =
        std::string("[") + k.Key + " " + k.Subject + " = \"" + std::to_string(k.Value + 1) + "\"]";
    EXPECT_FALSE(Eval(*s, off)) << off;
  }
  // Keys 1..12 ignore what the subject names.
  EXPECT_TRUE(Eval(*s, "[SILA 5 = \"107\"]"));
}

TEST(EvaluateCondition, ItemsAndObjects) {
  auto s = EmptyState();
  s->Items.at(3).Held = 4;
  s->Objects.at(5).Count = 2;
  s->World.Variables.Set(3, 50);
  s->World.Variables.Set(5, 60);
  EXPECT_TRUE(Eval(*s, "[PREDMET 3 = \"4\"]"));
  EXPECT_TRUE(Eval(*s, "[predmet 3 > \"0\"]"));
  EXPECT_FALSE(Eval(*s, "[PREDMET 4 > \"0\"]"));
  EXPECT_TRUE(Eval(*s, "[OBJEKT 5 = \"2\"]"));
  EXPECT_FALSE(Eval(*s, "[OBJEKT 3 > \"0\"]"));
  EXPECT_TRUE(Eval(*s, "[3 = \"50\"]"));  // without a key: the variable
  // An item count beyond 16 bits is read whole.
  s->Items.at(3).Held = 100000;
  EXPECT_TRUE(Eval(*s, "[PREDMET 3 = \"100000\"]"));
}

TEST(EvaluateCondition, ReferencesInSubjectAndValue) {
  auto s = EmptyState();
  s->World.Variables.Set(1, 3);  // $1 names variable 3
  s->World.Variables.Set(3, 12);
  s->World.Variables.Set(2, 12);
  s->Character.ZIVOTY = 2;
  EXPECT_TRUE(Eval(*s, "[$1 = \"12\"]"));
  EXPECT_TRUE(Eval(*s, "[$1 = \"$2\"]"));       // quoted: the number 12
  EXPECT_TRUE(Eval(*s, "[3 = $zivoty]"));       // unquoted: variable 2, holding 12
  EXPECT_FALSE(Eval(*s, "[3 = \"$zivoty\"]"));  // quoted: the number 2
  EXPECT_TRUE(Eval(*s, "[PREDMET $1 = \"0\"]"));
}

TEST(EvaluateCondition, SubstitutedTextIsCutToFiftyBytes) {
  auto s = EmptyState();
  s->Character.Name = std::string(49, '0') + "12";  // 51 bytes: cut to ...01
  s->World.Variables.Set(3, 1);
  EXPECT_TRUE(Eval(*s, "[3 = \"$JMENO\"]"));
  s->World.Variables.Set(3, 12);
  EXPECT_FALSE(Eval(*s, "[3 = \"$JMENO\"]"));
}

TEST(EvaluateCondition, EmptySubjectCannotBeEvaluated) {
  auto s = EmptyState();
  s->Character.PENIZE = 50;
  EXPECT_EQ(Failure(*s, Block("[PENIZE > \"10\"]")), "'' is not a valid integer value");
  EXPECT_THROW(Eval(*s, "[PENIZE > \"10\"]"), ConversionError);
}

TEST(EvaluateCondition, ValueThatIsNoNumberCannotBeEvaluated) {
  auto s = EmptyState();
  EXPECT_EQ(Failure(*s, Block("[3 = \"abc\"]")), "'abc' is not a valid integer value");
  EXPECT_EQ(Failure(*s, Block("[3 = ]")), "'' is not a valid integer value");
  EXPECT_EQ(Failure(*s, Block("[3 = \"\"]")), "'' is not a valid integer value");
  EXPECT_EQ(Failure(*s, Block("[3 = \"99999999999\"]")),
            "'99999999999' is not a valid integer value");
  // After substitution: the text that failed is the substituted one.
  s->Character.Name = "Hrdina";
  EXPECT_EQ(Failure(*s, Block("[$JMENO = \"1\"]")), "'Hrdina' is not a valid integer value");
  EXPECT_EQ(Failure(*s, Block("[ZIVOTY x = \"1\"]")), "'x' is not a valid integer value");
}

TEST(EvaluateCondition, NumbersOutsideTheirTablesReadZero) {
  auto s = EmptyState();
  s->World.Variables.Fill(9);
  for (auto& item : s->Items.Entries) item.Held = 9;
  for (auto& weapon : s->Weapons.Entries) weapon.Held = 9;
  for (auto& armour : s->Armours.Entries) armour.Held = 9;
  for (auto& object : s->Objects) object.Count = 9;
  s->Character.CurrentWeapon.Number = 1;
  s->Character.CurrentArmour.Number = 1;

  for (const char* block :
       {"[0 = \"0\"]", "[1000 = \"0\"]", "[2147483647 = \"0\"]", "[PREDMET 0 = \"0\"]",
        "[PREDMET 101 = \"0\"]", "[OBJEKT 0 = \"0\"]", "[OBJEKT 101 = \"0\"]",
        "[ZBRANI 101 = \"0\"]", "[ZBROJI 0 = \"0\"]", "[ZBRANIALL 1000 = \"0\"]",
        "[ZBROJIALL 101 = \"0\"]", "[1 > 0]", "[1 > 1000]"}) {
    EXPECT_TRUE(Eval(*s, block)) << block;
  }
  Condition negative = Block("[1 = \"0\"]");
  negative.Subject = "-5";
  EXPECT_TRUE(EvaluateCondition(negative, *s));
  negative.Subject = "1";
  negative.Value = "-2147483648";
  negative.ValueIsVariable = 1;
  EXPECT_FALSE(EvaluateCondition(negative, *s));  // variable 1 holds 9, the other 0
  // Inside the tables the same reads see 9.
  EXPECT_TRUE(Eval(*s, "[999 = \"9\"]"));
  EXPECT_TRUE(Eval(*s, "[PREDMET 100 = \"9\"]"));
  EXPECT_TRUE(Eval(*s, "[OBJEKT 100 = \"9\"]"));
  EXPECT_TRUE(Eval(*s, "[ZBROJIALL 1 = \"10\"]"));
}

TEST(EvaluateCondition, LeavesTheConditionRecordAlone) {
  auto s = EmptyState();
  s->World.Variables.Set(3, 1);
  const Condition c = Block("[3 = \"$3\"]");
  EXPECT_TRUE(EvaluateCondition(c, *s));
  EXPECT_EQ(c.Value.str(), "$3");
  EXPECT_EQ(c.Result, 0);
}

TEST(DescribeCondition, UsesTheGameStateForValuesAndCurrency) {
  auto s = EmptyState();
  EXPECT_EQ(DescribeCondition(Block("[MANA 0 < \"5\"]"), *s), Cz("Mana je menší 5"));
  // The default currency "stříbrných" until the game names one.
  EXPECT_EQ(DescribeCondition(Block("[PENIZE 0 >= \"100\"]"), *s),
            Cz("Počet stříbrných je větší nebo rovno 100"));
  s->CurrencyName = Cz("zlatých");
  EXPECT_EQ(DescribeCondition(Block("[penize 0 => \"100\"]"), *s),
            Cz("Počet zlatých je větší nebo rovno 100"));
  s->World.Variables.Set(7, 12);
  EXPECT_EQ(DescribeCondition(Block("[SILA 0 > \"$7\"]"), *s), Cz("Síla je větší 12"));
  // Unquoted: the variable's number as substituted, not its content.
  EXPECT_EQ(DescribeCondition(Block("[SILA 0 > 7]"), *s), Cz("Síla je větší 7"));
  EXPECT_EQ(DescribeCondition(Block("[PREDMET 3 > \"0\"]"), *s), Cz("Zvláštní podmínky použití!"));
}

TEST(DescribeCondition, NeedsNoNumbers) {
  // A description is text only: a subject that is no number does not fail.
  auto s = EmptyState();
  EXPECT_EQ(DescribeCondition(Block("[MANA > \"5\"]"), *s), Cz("Mana je větší 5"));
}

}  // namespace
}  // namespace qv
