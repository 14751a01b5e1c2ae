#include "state/damage_formula.h"

#include <string>

#include "parser/dice.h"
#include "parser/expression.h"
#include "parser/wrapping_arithmetic.h"
#include "state/substitution.h"

namespace qv {
namespace {

constexpr std::string_view kStrength = "#sila";
constexpr std::string_view kDamage = "#poskozeni";
constexpr std::string_view kWeapon = "#zbran";

// Replaces each occurrence of MARKER, left to right, by the number next()
// gives for it; the inserted digits are not searched again. The result is
// built in a copy: replacing in place moved the rest of the text for every
// marker.
template <class Next>
void ReplaceEach(std::string& text, std::string_view marker, Next next) {
  std::size_t pos = text.find(marker);
  if (pos == std::string::npos) return;
  std::string out;
  out.reserve(text.size());
  std::size_t copied = 0;
  for (; pos != std::string::npos; pos = text.find(marker, copied)) {
    out.append(text, copied, pos - copied);
    out += std::to_string(next());
    copied = pos + marker.size();
  }
  out.append(text, copied, std::string::npos);
  text = std::move(out);
}

// The formula with its $ references, strength and damage in place, and its
// weapon dice taken from next(); evaluated.
template <class Next>
int32_t Evaluate(std::string_view formula, const GameState& state, Next next) {
  std::string text = SubstituteValues(formula, state);
  const CharacterState& hero = state.Character;
  const int32_t strength = WrapAdd(hero.SILA, state.Fight.utok);
  const int32_t damage = WrapAdd(hero.CurrentWeapon.Damage, state.Fight.poskozeni);
  ReplaceEach(text, kStrength, [strength] { return strength; });
  ReplaceEach(text, kDamage, [damage] { return damage; });
  ReplaceEach(text, kWeapon, next);
  return EvaluateExpression(text);
}

}  // namespace

int32_t DamageRoll(std::string_view formula, const GameState& state, RandomSource& random) {
  // Each "#zbran" is a throw of its own: "#zbran+#zbran" is two throws of the
  // weapon, not one throw doubled, and a formula without it throws nothing.
  const Dice& dice = state.Character.CurrentWeapon.Dice;
  return Evaluate(formula, state, [&] { return RollDice(dice, random); });
}

int32_t DamageMin(std::string_view formula, const GameState& state) {
  const int32_t least = MinDice(state.Character.CurrentWeapon.Dice);
  return Evaluate(formula, state, [least] { return least; });
}

int32_t DamageMax(std::string_view formula, const GameState& state) {
  const int32_t most = MaxDice(state.Character.CurrentWeapon.Dice);
  return Evaluate(formula, state, [most] { return most; });
}

}  // namespace qv
