// The script language's readers on megabytes of adversarial text.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "data/conversion.h"
#include "growth.h"
#include "parser/colour.h"
#include "parser/condition_parser.h"
#include "parser/dice.h"
#include "parser/expression.h"
#include "parser/tag_scanner.h"
#include "state/condition_eval.h"
#include "state/damage_formula.h"
#include "state/game_state.h"
#include "state/substitution.h"
#include "support/czech_text.h"

namespace qv::linear {
namespace {

void Scan(const std::string& text) {
  TagStore store;
  ScanLocation(text, store);
}

TEST(ParserGrowth, ScanLocation) {
  const auto text = [](std::string_view piece) {
    return [piece](std::size_t size) { return Repeat(piece, size); };
  };
  ExpectLinearGrowth("scanner: tags without >", text("<"), Scan);
  ExpectLinearGrowth("scanner: tags without > and a letter", text("<a"), Scan);
  ExpectLinearGrowth("scanner: overlapping tags <a x=\" without >", text("<a x=\""), Scan);
  ExpectLinearGrowth(
      "scanner: 400 tags before one long unclosed value",
      [](std::size_t size) { return std::string(400, '<') + " b=\"" + Repeat("x", size); }, Scan);
  ExpectLinearGrowth(
      "scanner: attributes without quotes",
      [](std::size_t size) { return "<a" + Repeat(" x=", size); }, Scan);
  ExpectLinearGrowth(
      "scanner: attribute names without =",
      [](std::size_t size) { return "<a" + Repeat(" x", size); }, Scan);
  ExpectLinearGrowth("scanner: blocks opened without ]", text("["), Scan);
  ExpectLinearGrowth("scanner: blocks opened and closed without ]", text("[a[/"), Scan);
  ExpectLinearGrowth("scanner: long condition runs", text("[ZIVOTY$$$$$$$$ <<<<<<=== \"55555"),
                     Scan);
  ExpectLinearGrowth("scanner: digit markers without >", text("<1"), Scan);
  ExpectLinearGrowth(
      "scanner: an ordinary page",
      text(Cz("[ZIVOTY 0 < \"5\"]<text obsah=\"Jsi zraněn. <b>\" barva=\"red\">[/]\r\n")), Scan);
  ExpectLinearGrowth(
      "scanner: one long tag of a thousand attributes",
      [](std::size_t size) { return "<t" + Repeat(" a=\"<v\"", size) + ">"; }, Scan);
}

TEST(ParserGrowth, ConditionsParsedEvaluatedAndDescribed) {
  auto state = std::make_unique<GameState>();
  state->World.Variables.Set(5, 3);
  const auto read = [&state](const std::string& text) {
    int32_t serial = 0;
    const Condition c = ParseCondition(text, 0, serial);
    try {
      EvaluateCondition(c, *state);
    } catch (const ConversionError&) {
    }
    DescribeCondition(c, *state);
  };
  ExpectLinearGrowth(
      "conditions: key of letters", [](std::size_t size) { return Repeat("ZIVOTY", size); }, read);
  ExpectLinearGrowth(
      "conditions: subject of $", [](std::size_t size) { return "MANA " + Repeat("$", size); },
      read);
  ExpectLinearGrowth(
      "conditions: subject of $5", [](std::size_t size) { return "MANA " + Repeat("$5", size); },
      read);
  ExpectLinearGrowth(
      "conditions: operator run", [](std::size_t size) { return "MANA 0 " + Repeat("<=>", size); },
      read);
  ExpectLinearGrowth(
      "conditions: value of digits",
      [](std::size_t size) { return "MANA 0 < \"" + Repeat("9", size) + "\"]"; }, read);
  ExpectLinearGrowth(
      "conditions: spaces", [](std::size_t size) { return Repeat(" ", size) + "5 = 5]"; }, read);
}

TEST(ParserGrowth, SubstituteValues) {
  auto state = std::make_unique<GameState>();
  state->World.Strings.Set(1, std::string(100, 'r'));
  state->Character.CurrentWeapon.EffectCount = 1;
  state->Character.CurrentWeapon.Effects[0] = Effect{"sila", 0, '+', 2};
  const auto read = [&state](const std::string& text) { SubstituteValues(text, *state); };
  const auto text = [](std::string_view piece) {
    return [piece](std::size_t size) { return Repeat(piece, size); };
  };
  ExpectLinearGrowth("$ values: dollars", text("$"), read);
  ExpectLinearGrowth("$ values: variables", text("$5"), read);
  ExpectLinearGrowth("$ values: text slots of 100 bytes", text("$retezec1"), read);
  ExpectLinearGrowth("$ values: values without the weapon", text("$cistysila"), read);
  ExpectLinearGrowth(
      "$ values: one long name", [](std::size_t size) { return "$" + Repeat("z", size); }, read);
  ExpectLinearGrowth(
      "$ values: one long number", [](std::size_t size) { return "$" + Repeat("9", size); }, read);
  ExpectLinearGrowth(
      "$ values: text slot with a long number",
      [](std::size_t size) { return "$retezec" + Repeat("1", size); }, read);
}

TEST(ParserGrowth, EvaluateExpression) {
  const auto read = [](const std::string& text) { EvaluateExpression(text); };
  const auto text = [](std::string_view piece) {
    return [piece](std::size_t size) { return Repeat(piece, size); };
  };
  ExpectLinearGrowth("expressions: open brackets", text("("), read);
  ExpectLinearGrowth("expressions: open brackets and sums", text("(1+"), read);
  ExpectLinearGrowth("expressions: a long sum", text("1+"), read);
  ExpectLinearGrowth("expressions: a long product and quotients", text("7*3:2/1%9-"), read);
  ExpectLinearGrowth("expressions: one long number", text("9"), read);
  ExpectLinearGrowth("expressions: spaces", text(" "), read);
  ExpectLinearGrowth("expressions: signs", text("-+"), read);
  ExpectLinearGrowth("expressions: bracket pairs", text("(1)*"), read);
}

TEST(ParserGrowth, ParseDice) {
  const auto read = [](const std::string& text) {
    try {
      ParseDice(text);
    } catch (const ConversionError&) {
    }
  };
  ExpectLinearGrowth(
      "dice: count of digits", [](std::size_t size) { return Repeat("1", size); }, read);
  ExpectLinearGrowth(
      "dice: no k", [](std::size_t size) { return "1" + Repeat("x", size); }, read);
  ExpectLinearGrowth(
      "dice: many k", [](std::size_t size) { return "1" + Repeat("k", size); }, read);
  ExpectLinearGrowth(
      "dice: long sides and modifier",
      [](std::size_t size) { return "1k" + Repeat("6", size / 2) + "+" + Repeat("1", size / 2); },
      read);
  ExpectLinearGrowth(
      "dice: no sign", [](std::size_t size) { return "1k6" + Repeat("x", size); }, read);
}

TEST(ParserGrowth, ParseColour) {
  const auto read = [](const std::string& text) {
    try {
      ParseColour(text);
    } catch (const ConversionError&) {
    }
  };
  ExpectLinearGrowth(
      "colours: blanks around a name",
      [](std::size_t size) { return Repeat(" ", size / 2) + "Red" + Repeat("\t", size / 2); },
      read);
  ExpectLinearGrowth(
      "colours: long hexadecimal number", [](std::size_t size) { return "$" + Repeat("0", size); },
      read);
  ExpectLinearGrowth(
      "colours: stars", [](std::size_t size) { return Repeat("*", size); }, read);
  ExpectLinearGrowth(
      "colours: long name", [](std::size_t size) { return Repeat("Red", size); }, read);
}

TEST(ParserGrowth, DamageFormula) {
  auto state = std::make_unique<GameState>();
  state->Character.SILA = 3;
  state->Character.CurrentWeapon.Dice = Dice{1, 6, 0};
  const auto read = [&state](const std::string& text) {
    DamageMin(text, *state);
    DamageMax(text, *state);
  };
  ExpectLinearGrowth(
      "damage formulas: markers",
      [](std::size_t size) { return Repeat("#sila+#poskozeni*#zbran-", size); }, read);
  ExpectLinearGrowth(
      "damage formulas: references making markers",
      [](std::size_t size) { return Repeat("$x#sila", size); }, read);
}

}  // namespace
}  // namespace qv::linear
