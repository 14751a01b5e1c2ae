#include "state/catalog_loader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "data/conversion.h"
#include "data/file_bytes.h"
#include "data/temp_work_dir.h"
#include "host/recording_host.h"
#include "parser/condition_parser.h"
#include "support/czech_text.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

const std::string kSword = Cz("Meč");
const std::string kSharpSword = Cz("Ostrý meč");

class CatalogLoaderTest : public ::testing::Test {
 protected:
  CatalogLoaderTest() { fs::create_directories("data"); }

  void Write(const std::string& name, const std::string& text) {
    WriteBytes("data/" + name + ".qvl", text);
  }

  TempWorkDir dir_;
  RecordingHost host_;
  GameFiles files_{host_};
  GameState state_;
};

// --- weapons, armour, items ---

TEST_F(CatalogLoaderTest, WeaponLineGivesDiceDamagePriceEffectAndCondition) {
  Write("zbrane",
        "3 \"" + kSword + "\" \"" + kSharpSword + "\" 1k6+1, 2, 10, sila+1, [SILA 0 > \"4\"];\r\n");
  LoadWeapons(files_, state_, host_);

  ASSERT_EQ(state_.Weapons.Count, 1);
  const Weapon& w = state_.Weapons.at(1);
  EXPECT_EQ(w.Number, 3);
  EXPECT_EQ(w.Name.str(), kSword);
  EXPECT_EQ(w.Description.str(), kSharpSword);
  EXPECT_EQ(w.Dice.Count, 1);
  EXPECT_EQ(w.Dice.Sides, 6);
  EXPECT_EQ(w.Dice.Modifier, 1);
  EXPECT_EQ(w.Damage, 2);
  EXPECT_EQ(w.Price, 10);
  EXPECT_EQ(w.Held, 0);

  ASSERT_EQ(w.EffectCount, 1);
  EXPECT_EQ(w.Effects[0].Name, "sila");
  EXPECT_EQ(w.Effects[0].Operator, '+');
  EXPECT_EQ(w.Effects[0].Amount, 1);
  EXPECT_EQ(w.Effects[0].Digits, 0);
  // Unused slots are blank.
  EXPECT_EQ(w.Effects[1].Name, "");
  EXPECT_EQ(w.Effects[1].Operator, ' ');

  ASSERT_EQ(w.ConditionCount, 1);
  const Condition& c = w.Conditions[0];
  EXPECT_EQ(c.KeyCode, kKeySila);
  EXPECT_EQ(c.Subject.str(), "0");
  EXPECT_EQ(c.Operator.str(), ">");
  EXPECT_EQ(c.Value.str(), "4");
  EXPECT_EQ(c.ValueIsVariable, 0);
  EXPECT_EQ(c.Serial, 1);
  EXPECT_EQ(state_.ConditionSerial, 1);
  EXPECT_EQ(w.Conditions[1].Subject, "0");
  EXPECT_EQ(w.Conditions[1].Operator, "=");
  EXPECT_TRUE(host_.messages.empty());
}

TEST_F(CatalogLoaderTest, LinesWithoutCommaTakeNoRecordNumber) {
  Write("zbrane",
        "Zbrane hry\r\n"
        "\r\n"
        "7 \"A\" \"a\" 1k4, 1, 5;\r\n"
        "komentar bez carky\n"
        "9 \"B\" \"b\" 2k6-1, 3, 20;");
  LoadWeapons(files_, state_, host_);
  ASSERT_EQ(state_.Weapons.Count, 2);
  // Placed by line order; the written number is only stored.
  EXPECT_EQ(state_.Weapons.at(1).Number, 7);
  EXPECT_EQ(state_.Weapons.at(1).Name, "A");
  EXPECT_EQ(state_.Weapons.at(2).Number, 9);
  EXPECT_EQ(state_.Weapons.at(2).Dice.Modifier, -1);
  EXPECT_EQ(state_.Weapons.at(2).EffectCount, 0);
  EXPECT_EQ(state_.Weapons.at(2).ConditionCount, 0);
}

TEST_F(CatalogLoaderTest, GroupsKeepTheirFirstFiveEntries) {
  Write("zbrane",
        "1 \"A\" \"a\" 1k6, 1, 1, sila+1, sila+2, sila+3, sila+4, sila+5, sila+6, "
        "[1 = \"1\"], [2 = \"2\"], [3 = \"3\"], [4 = \"4\"], [5 = \"5\"], [6 = \"6\"];");
  LoadWeapons(files_, state_, host_);
  ASSERT_EQ(state_.Weapons.Count, 1);
  const Weapon& w = state_.Weapons.at(1);
  ASSERT_EQ(w.EffectCount, 5);
  EXPECT_EQ(w.Effects[4].Amount, 5);
  ASSERT_EQ(w.ConditionCount, 5);
  EXPECT_EQ(w.Conditions[0].Subject, "1");
  EXPECT_EQ(w.Conditions[4].Subject, "5");
  // The ignored sixth condition is not parsed: no serial is spent on it.
  EXPECT_EQ(state_.ConditionSerial, 5);
}

TEST_F(CatalogLoaderTest, ASixthEffectWithoutAmountIsIgnoredNotFailed) {
  Write("zbroje", "1 \"A\" \"a\" 1, 1, 0, 5, a+1, b+1, c+1, d+1, e+1, f+;");
  LoadArmour(files_, state_, host_);
  ASSERT_EQ(state_.Armours.Count, 1);
  EXPECT_EQ(state_.Armours.at(1).EffectCount, 5);
  EXPECT_EQ(state_.Armours.at(1).Effects[4].Name, "e");
  EXPECT_TRUE(host_.messages.empty());
}

TEST_F(CatalogLoaderTest, HeldOfWeaponsAndArmourIsResetItemsKeepTheirs) {
  state_.Weapons.at(1).Held = 4;
  state_.Armours.at(1).Held = 2;
  state_.Items.at(1).Held = 3;
  Write("zbrane", "1 \"A\" \"a\" 1k6, 1, 1;");
  Write("zbroje", "1 \"B\" \"b\" 2, 3, 1, 40;");
  Write("predmety", "1 \"C\" \"c\" 15, vzdy, zivoty+5;");
  LoadWeapons(files_, state_, host_);
  LoadArmour(files_, state_, host_);
  LoadItems(files_, state_, host_);
  EXPECT_EQ(state_.Weapons.at(1).Held, 0);
  EXPECT_EQ(state_.Armours.at(1).Held, 0);
  EXPECT_EQ(state_.Items.at(1).Held, 3);
}

TEST_F(CatalogLoaderTest, ArmourFields) {
  Write("zbroje", Cz("2 \"Kroužková\" \"pevná\" 3, 2, 1, 50, rychlost-1, [ZBROJI 2 > \"0\"];"));
  LoadArmour(files_, state_, host_);
  ASSERT_EQ(state_.Armours.Count, 1);
  const Armour& a = state_.Armours.at(1);
  EXPECT_EQ(a.Number, 2);
  EXPECT_EQ(a.Name.str(), Cz("Kroužková"));
  EXPECT_EQ(a.Defence, 3);
  EXPECT_EQ(a.Toughness, 2);
  EXPECT_EQ(a.AttackPenalty, 1);
  EXPECT_EQ(a.Price, 50);
  ASSERT_EQ(a.EffectCount, 1);
  EXPECT_EQ(a.Effects[0].Name, "rychlost");
  EXPECT_EQ(a.Effects[0].Operator, '-');
  ASSERT_EQ(a.ConditionCount, 1);
  EXPECT_EQ(a.Conditions[0].KeyCode, kKeyZbroji);
}

TEST_F(CatalogLoaderTest, ArmourDefenceIsTheWholeFieldUpToTheComma) {
  // The defence is the field up to "," converted as a whole: a blank before
  // the comma makes it no number.
  Write("zbroje", "1 \"A\" \"a\" 3 , 2, 0, 5;");
  LoadArmour(files_, state_, host_);
  EXPECT_EQ(state_.Armours.Count, 0);
  ASSERT_EQ(host_.messages.size(), 1u);
  EXPECT_EQ(host_.messages[0], "'3 ' is not a valid integer value");
}

TEST_F(CatalogLoaderTest, ItemUseWordIsTrimmed) {
  Write("predmety", Cz("1 \"Lektvar\" \"hojivý\" 15,   mimoboj  , zivoty+5, [PREDMET 1 > \"0\"]\r\n"
                       "2 \"Svitek\" \"x\" 4, boj;\r\n"
                       "3 \"Kamen\" \"y\" 0, vzdy\r\n"));
  LoadItems(files_, state_, host_);
  ASSERT_EQ(state_.Items.Count, 3);
  const Item& potion = state_.Items.at(1);
  EXPECT_EQ(potion.Price, 15);
  EXPECT_EQ(potion.UseWord, "mimoboj");
  ASSERT_EQ(potion.EffectCount, 1);
  EXPECT_EQ(potion.Effects[0].Name, "zivoty");
  EXPECT_EQ(potion.Effects[0].Amount, 5);
  ASSERT_EQ(potion.ConditionCount, 1);
  EXPECT_EQ(potion.Conditions[0].ItemKey, 1);
  // Without a closing comma the word ends at the line's ";".
  EXPECT_EQ(state_.Items.at(2).UseWord, "boj");
  EXPECT_EQ(state_.Items.at(2).EffectCount, 0);
  EXPECT_EQ(state_.Items.at(3).UseWord, "vzdy");
}

// --- failures ---

TEST_F(CatalogLoaderTest, FirstByteNotADigitShowsTheMessageAndStopsTheFile) {
  Write("zbrane",
        "1 \"A\" \"a\" 1k6, 1, 1;\r\n"
        " 2 \"B\" \"b\" 1k6, 1, 1;\r\n"
        "3 \"C\" \"c\" 1k6, 1, 1;\r\n");
  LoadWeapons(files_, state_, host_);
  EXPECT_EQ(state_.Weapons.Count, 1);
  EXPECT_EQ(state_.Weapons.at(1).Name, "A");
  ASSERT_EQ(host_.messages.size(), 1u);
  EXPECT_EQ(host_.messages[0], "'' is not a valid integer value");
}

TEST_F(CatalogLoaderTest, NumberBeyondInt32FailsWithItsDigits) {
  Write("predmety", "1 \"A\" \"a\" 99999999999, vzdy;");
  LoadItems(files_, state_, host_);
  EXPECT_EQ(state_.Items.Count, 0);
  ASSERT_EQ(host_.messages.size(), 1u);
  EXPECT_EQ(host_.messages[0], "'99999999999' is not a valid integer value");
}

TEST_F(CatalogLoaderTest, LineCutShortIsRejectedWithoutReadingPastIt) {
  // No closing quote: the text is empty and nothing after it is found, so
  // the dice have no digits.
  Write("zbrane", "1 \"" + kSword + ", 1k6, 2, 10");
  LoadWeapons(files_, state_, host_);
  EXPECT_EQ(state_.Weapons.Count, 0);
  ASSERT_EQ(host_.messages.size(), 1u);
  EXPECT_EQ(host_.messages[0], "'' is not a valid integer value");
}

TEST_F(CatalogLoaderTest, AttackLineEndingAfterItsCostsHasEmptyFormulas) {
  Write("utoky", "1 \"a\" \"b\" \"c\" \"d\" \"e\" 2, 3");
  LoadAttacks(files_, state_, host_);
  ASSERT_EQ(state_.Attacks.Count, 1);
  const Attack& a = state_.Attacks.at(1);
  EXPECT_EQ(a.EnergyCost, 2);
  EXPECT_EQ(a.ManaCost, 3);
  EXPECT_EQ(a.AttackFormula.str(), "");
  EXPECT_EQ(a.DamageFormula.str(), "");
  EXPECT_EQ(a.PlainEffectCount, 0);
  EXPECT_TRUE(host_.messages.empty());
}

TEST_F(CatalogLoaderTest, SpellLineMissingItsTextsFailsOnTheMissingCost) {
  Write("kouzla", "1 \"Blesk\", ");
  LoadSpells(files_, state_, host_);
  EXPECT_EQ(state_.Spells.Count, 0);
  ASSERT_EQ(host_.messages.size(), 1u);
  EXPECT_EQ(host_.messages[0], "'' is not a valid integer value");
}

TEST_F(CatalogLoaderTest, MissingFileLeavesTheCatalogEmpty) {
  LoadItems(files_, state_, host_);
  EXPECT_EQ(state_.Items.Count, 0);
  EXPECT_TRUE(host_.messages.empty());
}

TEST_F(CatalogLoaderTest, FullCatalogIgnoresFurtherLines) {
  std::string text;
  for (int i = 1; i <= 101; ++i) {
    text +=
        std::to_string(i) + " \"S" + std::to_string(i) + "\" \"\" " + std::to_string(i) + ",\r\n";
  }
  text += "x bad line, 1\r\n";  // would fail if it were read
  Write("kouzla", text);
  LoadSpells(files_, state_, host_);
  EXPECT_EQ(state_.Spells.Count, 100);
  EXPECT_EQ(state_.Spells.at(100).ManaCost, 100);
  EXPECT_TRUE(host_.messages.empty());
}

TEST_F(CatalogLoaderTest, ScrambledCatalogIsReadAndItsCopyDeleted) {
  const std::string check = "Kniha";
  GameFiles files(host_, check);
  WriteBytes("data/zasifrovane/zbrane.qvl",
             Scramble(check, "3 \"" + kSword + "\" \"" + kSharpSword +
                                 "\" 1k6+1, 2, 10, sila+1;\r\n"
                                 "x, broken\r\n"));
  LoadWeapons(files, state_, host_);
  ASSERT_EQ(state_.Weapons.Count, 1);
  EXPECT_EQ(state_.Weapons.at(1).Name.str(), kSword);
  EXPECT_EQ(state_.Weapons.at(1).Dice.Sides, 6);
  ASSERT_EQ(host_.messages.size(), 1u);
  EXPECT_EQ(host_.messages[0], "'' is not a valid integer value");
  EXPECT_FALSE(fs::exists("data/temp/zbrane.qvl"));
}

// --- spells and attacks ---

TEST_F(CatalogLoaderTest, SpellFieldsStartAtTheFirstDigit) {
  Write("kouzla", Cz("  #4 \"Oheň\" \"pálí\" 6, zivoty-3, [MANA 0 > \"5\"];"));
  LoadSpells(files_, state_, host_);
  ASSERT_EQ(state_.Spells.Count, 1);
  const Spell& s = state_.Spells.at(1);
  EXPECT_EQ(s.Number, 4);
  EXPECT_EQ(s.Name.str(), Cz("Oheň"));
  EXPECT_EQ(s.Description.str(), Cz("pálí"));
  EXPECT_EQ(s.ManaCost, 6);
  ASSERT_EQ(s.EffectCount, 1);
  EXPECT_EQ(s.Effects[0].Name, "zivoty");
  ASSERT_EQ(s.ConditionCount, 1);
  EXPECT_EQ(s.Conditions[0].KeyCode, kKeyMana);
}

TEST_F(CatalogLoaderTest, AttackTextsFormulasAndEffectGroups) {
  Write("utoky", Cz("5 \"Úder\" \"popis\" \"zásah\" \"bez škody\" \"vedle\" 2, 3, 2k6+1, 1k6, "
                    "energie-1, :zivoty-2, !energie-1, [ENERGIE 0 > \"1\"];"));
  LoadAttacks(files_, state_, host_);
  ASSERT_EQ(state_.Attacks.Count, 1);
  const Attack& a = state_.Attacks.at(1);
  EXPECT_EQ(a.Number, 5);
  EXPECT_EQ(a.Name.str(), Cz("Úder"));
  EXPECT_EQ(a.Description.str(), "popis");
  EXPECT_EQ(a.HitText.str(), Cz("zásah"));
  EXPECT_EQ(a.NoDamageText.str(), Cz("bez škody"));
  EXPECT_EQ(a.MissText.str(), "vedle");
  EXPECT_EQ(a.EnergyCost, 2);
  EXPECT_EQ(a.ManaCost, 3);
  // The bytes between the commas, as written.
  EXPECT_EQ(a.AttackFormula.str(), " 2k6+1");
  EXPECT_EQ(a.DamageFormula.str(), " 1k6");

  ASSERT_EQ(a.PlainEffectCount, 1);
  EXPECT_EQ(a.PlainEffects[0].Name, "energie");
  ASSERT_EQ(a.HitEffectCount, 1);
  EXPECT_EQ(a.HitEffects[0].Name, "zivoty");
  EXPECT_EQ(a.HitEffects[0].Operator, '-');
  EXPECT_EQ(a.HitEffects[0].Amount, 2);
  ASSERT_EQ(a.MissEffectCount, 1);
  EXPECT_EQ(a.MissEffects[0].Name, "energie");
  EXPECT_EQ(a.MissEffects[0].Amount, 1);
  ASSERT_EQ(a.ConditionCount, 1);
  EXPECT_EQ(a.Conditions[0].KeyCode, kKeyEnergie);

  // The fourth text is stored before the third.
  uint8_t bytes[Attack::kSize];
  a.Encode(bytes);
  EXPECT_EQ(bytes[Attack::kMissTextOffset], 5);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes) + 458, 5), "vedle");
}

TEST_F(CatalogLoaderTest, AttackMarksPrecedence) {
  Write("utoky",
        "1 \"a\" \"b\" \"c\" \"d\" \"e\" 0, 0, 1k6, 1k6, "
        "[ZIVOTY 0 > \"1\"]:, !:sila-1, :!obratnost+2, energie-1!;");
  LoadAttacks(files_, state_, host_);
  ASSERT_EQ(state_.Attacks.Count, 1);
  const Attack& a = state_.Attacks.at(1);
  // "[" wins over ":".
  ASSERT_EQ(a.ConditionCount, 1);
  EXPECT_EQ(a.Conditions[0].KeyCode, kKeyZivoty);
  // ":" wins over "!"; neither mark stays in front of the name.
  ASSERT_EQ(a.HitEffectCount, 2);
  EXPECT_EQ(a.HitEffects[0].Name, "sila");
  EXPECT_EQ(a.HitEffects[1].Name, "obratnost");
  EXPECT_EQ(a.HitEffects[1].Amount, 2);
  ASSERT_EQ(a.MissEffectCount, 1);
  EXPECT_EQ(a.MissEffects[0].Name, "energie");
  EXPECT_EQ(a.PlainEffectCount, 0);
}

TEST_F(CatalogLoaderTest, MarksAreOrdinaryBytesOutsideAttacks) {
  Write("kouzla", "1 \"a\" \"b\" 2, :zivoty+1;");
  LoadSpells(files_, state_, host_);
  ASSERT_EQ(state_.Spells.Count, 1);
  ASSERT_EQ(state_.Spells.at(1).EffectCount, 1);
  // The ":" ends the name before it starts.
  EXPECT_EQ(state_.Spells.at(1).Effects[0].Name, "");
  EXPECT_EQ(state_.Spells.at(1).Effects[0].Operator, '+');
}

TEST_F(CatalogLoaderTest, ReloadKeepsKnownAndTakesTheNewContent) {
  Write("kouzla", "1 \"Blesk\" \"a\" 3,\r\n2 \"Mraz\" \"b\" 4,\r\n");
  Write("utoky", "1 \"Sek\" \"a\" \"b\" \"c\" \"d\" 1, 0, 1k6, 1k6;\r\n");
  LoadSpells(files_, state_, host_);
  LoadAttacks(files_, state_, host_);
  state_.Spells.at(2).Known = 1;
  state_.Attacks.at(1).Known = 1;

  Write("kouzla", "1 \"Blesk\" \"a\" 3,\r\n2 \"Velky mraz\" \"b\" 9,\r\n");
  ReloadSpellsAndAttacks(files_, state_, host_);
  ASSERT_EQ(state_.Spells.Count, 2);
  ASSERT_EQ(state_.Attacks.Count, 1);
  EXPECT_EQ(state_.Spells.at(2).Name, "Velky mraz");
  EXPECT_EQ(state_.Spells.at(2).ManaCost, 9);
  EXPECT_EQ(state_.Spells.at(1).Known, 0);
  EXPECT_EQ(state_.Spells.at(2).Known, 1);
  EXPECT_EQ(state_.Attacks.at(1).Known, 1);
}

TEST_F(CatalogLoaderTest, ReloadReadsAttacksBeforeSpells) {
  Write("kouzla", "1 \"a\" \"b\" 3, [1 = \"1\"];");
  Write("utoky", "1 \"a\" \"b\" \"c\" \"d\" \"e\" 1, 0, 1k6, 1k6, [2 = \"2\"];");
  ReloadSpellsAndAttacks(files_, state_, host_);
  EXPECT_EQ(state_.Attacks.at(1).Conditions[0].Serial, 1);
  EXPECT_EQ(state_.Spells.at(1).Conditions[0].Serial, 2);
}

TEST_F(CatalogLoaderTest, SpellLinesAreSubstituted) {
  state_.World.Variables.at(5) = 7;
  Write("kouzla", "1 \"Blesk $5\" \"a\" $5, sila+$5;");
  LoadSpells(files_, state_, host_);
  ASSERT_EQ(state_.Spells.Count, 1);
  EXPECT_EQ(state_.Spells.at(1).Name, "Blesk 7");
  EXPECT_EQ(state_.Spells.at(1).ManaCost, 7);
  EXPECT_EQ(state_.Spells.at(1).Effects[0].Amount, 7);

  state_.Spells.at(1).Known = 1;
  state_.World.Variables.at(5) = 2;
  ReloadSpellsAndAttacks(files_, state_, host_);
  EXPECT_EQ(state_.Spells.at(1).Name, "Blesk 2");
  EXPECT_EQ(state_.Spells.at(1).ManaCost, 2);
  EXPECT_EQ(state_.Spells.at(1).Known, 1);
}

TEST_F(CatalogLoaderTest, AttackLinesAreSubstituted) {
  state_.World.Variables.at(3) = 4;
  Write("utoky", "1 \"a\" \"b\" \"c\" \"d\" \"e\" $3, 0, 1k6+$3, $3k6;");
  LoadAttacks(files_, state_, host_);
  ASSERT_EQ(state_.Attacks.Count, 1);
  EXPECT_EQ(state_.Attacks.at(1).EnergyCost, 4);
  EXPECT_EQ(state_.Attacks.at(1).AttackFormula, " 1k6+4");
  EXPECT_EQ(state_.Attacks.at(1).DamageFormula, " 4k6");
}

TEST_F(CatalogLoaderTest, WeaponLinesAreNotSubstituted) {
  state_.World.Variables.at(5) = 7;
  Write("zbrane", Cz("1 \"Meč $5\" \"a\" 1k6, 1, 1;"));
  LoadWeapons(files_, state_, host_);
  ASSERT_EQ(state_.Weapons.Count, 1);
  EXPECT_EQ(state_.Weapons.at(1).Name, Cz("Meč $5"));
}

// --- ParseEffect ---

TEST(ParseEffect, NameOperatorAndAmount) {
  Effect e = ParseEffect("sila+2");
  EXPECT_EQ(e.Name.str(), "sila");
  EXPECT_EQ(e.Operator, '+');
  EXPECT_EQ(e.Amount, 2);
  EXPECT_EQ(e.Digits, 0);

  e = ParseEffect("maxzivoty + 5");
  EXPECT_EQ(e.Name.str(), "maxzivoty");
  EXPECT_EQ(e.Operator, '+');
  EXPECT_EQ(e.Amount, 5);

  e = ParseEffect(" OBRATNOST*3");
  EXPECT_EQ(e.Name.str(), "obratnost");
  EXPECT_EQ(e.Operator, '*');
  EXPECT_EQ(e.Amount, 3);
}

TEST(ParseEffect, DigitsAmongTheLettersAreKeptApart) {
  const Effect e = ParseEffect("zivoty3-1");
  EXPECT_EQ(e.Name.str(), "zivoty");
  EXPECT_EQ(e.Digits, 3);
  EXPECT_EQ(e.Operator, '-');
  EXPECT_EQ(e.Amount, 1);
  EXPECT_EQ(ParseEffect("p1r2+0").Digits, 12);
  EXPECT_EQ(ParseEffect("p1r2+0").Name, "pr");
}

TEST(ParseEffect, AmountIsTheNextDigitRunAfterTheFirstOperator) {
  // The sign after "=" is skipped like any other byte: amounts are never
  // negative.
  Effect e = ParseEffect("energie=-4");
  EXPECT_EQ(e.Operator, '=');
  EXPECT_EQ(e.Amount, 4);
  e = ParseEffect("mana/x2");
  EXPECT_EQ(e.Operator, '/');
  EXPECT_EQ(e.Amount, 2);
}

TEST(ParseEffect, WithoutOperator) {
  const Effect e = ParseEffect("Jed 5");
  EXPECT_EQ(e.Name.str(), "jed");
  EXPECT_EQ(e.Operator, '0');
  EXPECT_EQ(e.Amount, 0);
  EXPECT_EQ(e.Digits, 5);
  EXPECT_EQ(ParseEffect("").Operator, '0');
}

TEST(ParseEffect, MissingOrHugeAmountIsNoNumber) {
  EXPECT_THROW(ParseEffect("sila+"), ConversionError);
  try {
    ParseEffect("sila+99999999999");
    FAIL();
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'99999999999' is not a valid integer value");
  }
}

}  // namespace
}  // namespace qv
