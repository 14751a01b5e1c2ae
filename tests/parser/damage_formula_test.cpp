#include "state/damage_formula.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <vector>

#include "parser/random_source.h"

namespace qv {
namespace {

// Hands out the numbers it is given, in turn, and counts what it was asked.
class ScriptedSource final : public RandomSource {
 public:
  explicit ScriptedSource(std::vector<int32_t> draws) : draws_(std::move(draws)) {}
  void ReseedFromClock() override { ++reseeds; }
  int32_t Uniform(int32_t lo, int32_t hi) override {
    ++drawsTaken;
    lastLo = lo;
    lastHi = hi;
    return draws_.at(next_++);
  }
  int reseeds = 0;
  int drawsTaken = 0;
  int32_t lastLo = 0, lastHi = 0;

 private:
  std::vector<int32_t> draws_;
  std::size_t next_ = 0;
};

// Weapon 1k6 in hand, SILA 3, no fight bonus.
std::unique_ptr<GameState> HeroWithSword() {
  auto s = std::make_unique<GameState>();
  s->Character.SILA = 3;
  s->Character.CurrentWeapon.Dice = Dice{1, 6, 0};
  s->Character.CurrentWeapon.Damage = 5;
  return s;
}

TEST(DamageFormula, WeaponPlusStrength) {
  auto s = HeroWithSword();
  EXPECT_EQ(DamageMin("#zbran+#sila", *s), 4);
  EXPECT_EQ(DamageMax("#zbran+#sila", *s), 9);
  SeededRandomSource seeded(1234);
  std::set<int32_t> seen;
  for (int i = 0; i < 600; ++i) {
    const int32_t damage = DamageRoll("#zbran+#sila", *s, seeded);
    ASSERT_GE(damage, 4);
    ASSERT_LE(damage, 9);
    seen.insert(damage);
  }
  EXPECT_EQ(seen.size(), 6u);  // every face of the die turns up
  ClockRandomSource clock;
  for (int i = 0; i < 50; ++i) {
    const int32_t damage = DamageRoll("#zbran+#sila", *s, clock);
    EXPECT_GE(damage, 4);
    EXPECT_LE(damage, 9);
  }
}

TEST(DamageFormula, RollUsesTheWeaponDice) {
  auto s = HeroWithSword();
  s->Character.CurrentWeapon.Dice = Dice{2, 8, -1};
  ScriptedSource source({5, 7});
  EXPECT_EQ(DamageRoll("#zbran+#sila", *s, source), 5 + 7 - 1 + 3);
  EXPECT_EQ(source.reseeds, 1);
  EXPECT_EQ(source.lastLo, 1);
  EXPECT_EQ(source.lastHi, 8);
  EXPECT_EQ(DamageMin("#zbran", *s), 1);
  EXPECT_EQ(DamageMax("#zbran", *s), 15);
}

TEST(DamageFormula, FightBonusesRaiseStrengthAndDamage) {
  auto s = HeroWithSword();
  s->Fight.utok = 2;
  s->Fight.poskozeni = -1;
  EXPECT_EQ(DamageMin("#zbran+#sila", *s), 6);
  EXPECT_EQ(DamageMax("#zbran+#sila", *s), 11);
  EXPECT_EQ(DamageMin("#poskozeni*2", *s), 8);  // (5 - 1) * 2
  EXPECT_EQ(DamageMax("#sila+#poskozeni", *s), 9);
}

TEST(DamageFormula, NegativeValuesReadAsSignedNumbers) {
  auto s = HeroWithSword();
  s->Character.SILA = -2;
  EXPECT_EQ(DamageMin("10-#sila", *s), 12);  // "10--2"
  EXPECT_EQ(DamageMin("#sila", *s), -2);
}

TEST(DamageFormula, MarkersAreCaseSensitive) {
  auto s = HeroWithSword();
  EXPECT_EQ(DamageMax("1+#SILA", *s), 1);  // "#SILA" stays and ends the expression
  EXPECT_EQ(DamageMax("#Zbran+1", *s), 0);
  EXPECT_EQ(DamageMax("1+#Poskozeni", *s), 1);
  EXPECT_EQ(DamageMax("1+#sila", *s), 4);
}

TEST(DamageFormula, EveryOccurrenceIsReplaced) {
  auto s = HeroWithSword();
  EXPECT_EQ(DamageMin("#sila*#sila+#poskozeni+#poskozeni", *s), 19);
  EXPECT_EQ(DamageMax("#zbran+#zbran", *s), 12);
  EXPECT_EQ(DamageMin("#zbran+#zbran", *s), 2);
}

// Each marker was replaced in place, moving the rest of the formula every
// time: a long formula cost the square of its length.
TEST(DamageFormula, HundredThousandMarkersAreReplacedInOneCopy) {
  auto s = HeroWithSword();
  std::string formula;
  for (int i = 0; i < 100'000; ++i) formula += "#sila+#poskozeni+";
  formula += "0";
  EXPECT_EQ(DamageMin(formula, *s), 100'000 * (3 + 5));
}

TEST(DamageFormula, DollarReferencesComeFirst) {
  auto s = HeroWithSword();
  s->World.Variables.Set(7, 2);
  EXPECT_EQ(DamageMin("$7*#zbran", *s), 2);
  EXPECT_EQ(DamageMax("$7*#zbran", *s), 12);
  EXPECT_EQ(DamageMax("$SILA+#sila", *s), 6);
  EXPECT_EQ(DamageMax("($poskozeni+1):2", *s), 3);
  // A reference may produce a marker; it is replaced like one written.
  s->World.Strings.Set(1, "#sila");
  EXPECT_EQ(DamageMax("$retezec1*2", *s), 6);
}

TEST(DamageFormula, EachWeaponMarkerIsAThrowOfItsOwn) {
  auto s = HeroWithSword();
  ScriptedSource source({2, 5});
  EXPECT_EQ(DamageRoll("#zbran*10+#zbran", *s, source), 25);
  EXPECT_EQ(source.reseeds, 2);
  EXPECT_EQ(source.drawsTaken, 2);
}

TEST(DamageFormula, FormulaWithoutTheWeaponThrowsNothing) {
  auto s = HeroWithSword();
  ScriptedSource source({});
  EXPECT_EQ(DamageRoll("#sila+1", *s, source), 4);
  EXPECT_EQ(DamageRoll("", *s, source), 0);
  EXPECT_EQ(source.reseeds, 0);
  EXPECT_EQ(source.drawsTaken, 0);
}

TEST(DamageFormula, EmptyWeaponGivesItsModifierOnly) {
  auto s = HeroWithSword();
  s->Character.CurrentWeapon.Dice = Dice{};
  ScriptedSource source({});
  EXPECT_EQ(DamageRoll("#zbran+#sila", *s, source), 3);
  EXPECT_EQ(DamageMin("#zbran+#sila", *s), 3);
  EXPECT_EQ(DamageMax("#zbran+#sila", *s), 3);
}

}  // namespace
}  // namespace qv
