#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "data/conversion.h"
#include "parser/dice.h"
#include "parser/random_source.h"

namespace qv {
namespace {

void ExpectDice(const Dice& d, int32_t x, int32_t y, int32_t z) {
  EXPECT_EQ(d.Count, x);
  EXPECT_EQ(d.Sides, y);
  EXPECT_EQ(d.Modifier, z);
}

TEST(ParseDice, WrittenForms) {
  const Dice a = ParseDice("2k6+1");
  ExpectDice(a, 2, 6, 1);
  EXPECT_EQ(MinDice(a), 3);
  EXPECT_EQ(MaxDice(a), 13);

  const Dice b = ParseDice("1k10-2");
  ExpectDice(b, 1, 10, -2);
  EXPECT_EQ(MinDice(b), -1);
  EXPECT_EQ(MaxDice(b), 8);

  const Dice c = ParseDice("3k4");
  ExpectDice(c, 3, 4, 0);
  EXPECT_EQ(MinDice(c), 3);
  EXPECT_EQ(MaxDice(c), 12);
}

TEST(ParseDice, SkipsToTheMarkers) {
  ExpectDice(ParseDice("2 k6"), 2, 6, 0);
  ExpectDice(ParseDice("2xyzk6 bonus+3"), 2, 6, 3);
  ExpectDice(ParseDice("2k6abc-4def"), 2, 6, -4);
  ExpectDice(ParseDice("2;k6+1"), 2, 6, 1);   // only a "k" ends the first skip
  ExpectDice(ParseDice("2k6;+1"), 2, 6, 0);   // a ";" ends the second one
  ExpectDice(ParseDice("2k6+"), 2, 6, 0);
  ExpectDice(ParseDice("2k+1"), 2, 0, 1);
  ExpectDice(ParseDice("10k100+1000"), 10, 100, 1000);
  ExpectDice(ParseDice("2k6+1k8"), 2, 6, 1);
}

TEST(ParseDice, CapitalKIsNotTheMarker) {
  // Without a small "k" nothing after X is read.
  ExpectDice(ParseDice("2K6+1"), 2, 0, 0);
  ExpectDice(ParseDice("2K6+1k4"), 2, 4, 0);
  ExpectDice(ParseDice("5"), 5, 0, 0);
  ExpectDice(ParseDice("5+3"), 5, 0, 0);
}

void ExpectConversionMessage(const std::string& text, const char* message) {
  try {
    ParseDice(text);
    FAIL() << "no exception for " << text;
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), message) << text;
  }
}

TEST(ParseDice, CountMustBeDigitsAtTheVeryStart) {
  ExpectConversionMessage("k6", "'' is not a valid integer value");
  ExpectConversionMessage(" 2k6", "'' is not a valid integer value");
  ExpectConversionMessage("-2k6", "'' is not a valid integer value");
  ExpectConversionMessage("", "'' is not a valid integer value");
  ExpectConversionMessage("99999999999k6", "'99999999999' is not a valid integer value");
  ExpectConversionMessage("1k99999999999", "'99999999999' is not a valid integer value");
}

TEST(DiceBounds, WrapOn32Bits) {
  EXPECT_EQ(MaxDice(Dice{65536, 65536, 5}), 5);
  EXPECT_EQ(MinDice(Dice{INT32_MAX, 0, 1}), INT32_MIN);
}

// Records what RollDice asks of its source and answers from a script.
class ScriptedSource : public RandomSource {
 public:
  explicit ScriptedSource(std::vector<int32_t> answers) : answers_(std::move(answers)) {}
  void ReseedFromClock() override { calls.push_back("reseed"); }
  int32_t Uniform(int32_t lo, int32_t hi) override {
    calls.push_back("uniform " + std::to_string(lo) + ".." + std::to_string(hi));
    return answers_.at(next_++);
  }
  std::vector<std::string> calls;

 private:
  std::vector<int32_t> answers_;
  std::size_t next_ = 0;
};

TEST(RollDice, ReseedsThenDrawsEachDie) {
  ScriptedSource source({4, 6, 1});
  EXPECT_EQ(RollDice(Dice{3, 6, -2}, source), 4 + 6 + 1 - 2);
  EXPECT_EQ(source.calls,
            (std::vector<std::string>{"reseed", "uniform 1..6", "uniform 1..6", "uniform 1..6"}));
}

TEST(RollDice, NoDiceOrNoSidesGivesTheModifier) {
  for (const Dice& d : {Dice{0, 6, 3}, Dice{-2, 6, 3}, Dice{2, 0, 3}, Dice{2, -6, 3}}) {
    ScriptedSource source({});
    EXPECT_EQ(RollDice(d, source), 3);
    EXPECT_EQ(source.calls, std::vector<std::string>{"reseed"});
  }
}

// "2000000000k6" used to draw two billion dice, keeping the program busy
// for minutes; a roll now stops at kMaxDiceCount dice.
TEST(RollDice, HugeDiceCountIsCappedNotRolledBillionsOfTimes) {
  const Dice huge = ParseDice("2000000000k6");
  EXPECT_EQ(huge.Count, 2000000000);  // the dice themselves stay as written
  SeededRandomSource source(3);
  const int32_t roll = RollDice(huge, source);
  EXPECT_GE(roll, kMaxDiceCount);
  EXPECT_LE(roll, 6 * kMaxDiceCount);

  ScriptedSource one_sided(std::vector<int32_t>(kMaxDiceCount, 1));
  EXPECT_EQ(RollDice(Dice{INT32_MAX, 1, 5}, one_sided), kMaxDiceCount + 5);
  EXPECT_EQ(one_sided.calls.size(), 1u + kMaxDiceCount);  // the reseed and each die
}

TEST(RollDice, CountsUpToTheCapAreRolledInFull) {
  ScriptedSource source(std::vector<int32_t>(kMaxDiceCount, 2));
  EXPECT_EQ(RollDice(Dice{kMaxDiceCount, 2, 0}, source), 2 * kMaxDiceCount);
  EXPECT_EQ(MaxDice(Dice{kMaxDiceCount + 1, 2, 0}), 2 * (kMaxDiceCount + 1));
}

TEST(RollDice, SeededRollsStayInRangeAndRepeat) {
  const Dice d = ParseDice("2k6+1");
  SeededRandomSource first(7);
  SeededRandomSource second(7);
  std::vector<int32_t> a, b;
  for (int i = 0; i < 2000; ++i) {
    a.push_back(RollDice(d, first));
    b.push_back(RollDice(d, second));
    EXPECT_GE(a.back(), MinDice(d));
    EXPECT_LE(a.back(), MaxDice(d));
  }
  EXPECT_EQ(a, b);
  // Both extremes turn up over that many rolls.
  EXPECT_NE(std::find(a.begin(), a.end(), 3), a.end());
  EXPECT_NE(std::find(a.begin(), a.end(), 13), a.end());
}

TEST(RollDice, EveryFaceAppears) {
  SeededRandomSource source(12345);
  std::array<int, 11> seen{};
  const Dice d{1, 10, 0};
  for (int i = 0; i < 5000; ++i) {
    const int32_t r = RollDice(d, source);
    ASSERT_GE(r, 1);
    ASSERT_LE(r, 10);
    ++seen[static_cast<std::size_t>(r)];
  }
  for (int face = 1; face <= 10; ++face) EXPECT_GT(seen[static_cast<std::size_t>(face)], 350) << face;
}

TEST(RollDice, ClockSourceStaysInRange) {
  ClockRandomSource source;
  const Dice d = ParseDice("1k10-2");
  for (int i = 0; i < 200; ++i) {
    const int32_t r = RollDice(d, source);
    EXPECT_GE(r, -1);
    EXPECT_LE(r, 8);
  }
}

}  // namespace
}  // namespace qv
