#include "state/condition_eval.h"

#include <string_view>

#include "data/conversion.h"
#include "parser/condition_parser.h"
#include "parser/condition_text.h"
#include "state/substitution.h"

namespace qv {
namespace {

// Subject and value are fields of at most 50 bytes; a substituted value is
// held to the same size.
constexpr std::size_t kFieldLimit = 50;

std::string Substituted(std::string_view text, const GameState& state) {
  std::string out = SubstituteValues(text, state);
  if (out.size() > kFieldLimit) out.resize(kFieldLimit);
  return out;
}

// The Held field of catalog entry n; 0 outside the catalog's 100 slots.
template <class Record>
int32_t HeldOf(const Catalog<Record>& catalog, long long n) {
  const Record* record = catalog.Find(n);
  return record != nullptr ? static_cast<int32_t>(record->Held) : 0;
}

// L: the quantity of the game state the condition looks at. Numbers outside
// their tables (variables 1..999, catalog entries and objects 1..100) read as
// 0 instead of reaching past the table.
int32_t Subject(const Condition& c, int32_t s, const GameState& state) {
  const CharacterState& hero = state.Character;
  int32_t left = c.ItemKey != 0 ? HeldOf(state.Items, s) : state.World.Variables.Get(s);
  if (c.ObjectKey != 0) {
    const ObjectEntry* object = state.Objects.Find(s);
    left = object != nullptr ? object->Count : 0;
  }
  switch (c.KeyCode) {
    case kKeyPenize:
      return hero.PENIZE;
    case kKeyZkusenosti:
      return hero.ZKUSENOSTI;
    case kKeyZivoty:
      return hero.ZIVOTY;
    case kKeyMaxZivoty:
      return hero.MAXZIVOTY;
    case kKeyMana:
      return hero.MANA;
    case kKeyMaxMana:
      return hero.MAXMANA;
    case kKeySila:
      return hero.SILA;
    case kKeyObratnost:
      return hero.OBRATNOST;
    case kKeyRychlost:
      return hero.RYCHLOST;
    case kKeyEnergie:
      return hero.ENERGIE;
    case kKeyCisloZbrane:
      return hero.CurrentWeapon.Number;
    case kKeyCisloZbroje:
      return hero.CurrentArmour.Number;
    case kKeyZbrani:
      return HeldOf(state.Weapons, s);
    case kKeyZbroji:
      return HeldOf(state.Armours, s);
    // The copy in hand or worn counts as one more.
    case kKeyZbraniAll:
      return HeldOf(state.Weapons, s) + (s == hero.CurrentWeapon.Number ? 1 : 0);
    case kKeyZbrojiAll:
      return HeldOf(state.Armours, s) + (s == hero.CurrentArmour.Number ? 1 : 0);
    default:
      return left;
  }
}

bool Holds(std::string_view op, int32_t left, int32_t right) {
  if (op == "<") return left < right;
  if (op == ">") return left > right;
  if (op == "=") return left == right;
  if (op == "=>" || op == ">=") return left >= right;
  if (op == "=<" || op == "<=") return left <= right;
  // "<>", "><" and every operator outside the table.
  return left != right;
}

}  // namespace

bool EvaluateCondition(const Condition& condition, const GameState& state) {
  const std::string subject = Substituted(condition.Subject, state);
  const std::string value = Substituted(condition.Value, state);

  // Every key reads the subject as a number, even those it does not choose
  // anything for, so an empty subject fails here.
  const int32_t s = StrToInt(subject);
  const int32_t left = Subject(condition, s, state);

  const int32_t v = StrToInt(value);
  const int32_t right = condition.ValueIsVariable != 0 ? state.World.Variables.Get(v) : v;

  return Holds(condition.Operator, left, right);
}

std::string DescribeCondition(const Condition& condition, const GameState& state) {
  return DescribeCondition(condition, state.CurrencyName, [&state](std::string_view text) {
    return SubstituteValues(text, state);
  });
}

}  // namespace qv
