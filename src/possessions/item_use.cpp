#include "possessions/item_use.h"

#include <algorithm>
#include <cstdint>

#include "data/text_wrap.h"
#include "parser/wrapping_arithmetic.h"
#include "possessions/possession_hints.h"
#include "state/condition_eval.h"

namespace qv {

namespace {

void Say(std::string& messages, const std::string& text) {
  messages += text;
  messages += kHintBreak;
}

std::string Number(int32_t n) { return std::to_string(n); }

// ZIVOTY or MANA raised by n, but not past its maximum. A value already
// above the maximum (a fight's bonus) is not lowered by healing.
int32_t RaiseUpTo(int32_t value, int32_t n, int32_t maximum) {
  const int64_t raised = int64_t{value} + n;
  if (raised <= maximum) return static_cast<int32_t>(std::max<int64_t>(raised, INT32_MIN));
  return std::max(value, maximum);
}

// The attributes whose raise and fall are reported alike: the kind, the
// field, and the words of "Zvýšila se ti <words> o n".
struct PlainAttribute {
  std::string_view Kind;
  int32_t CharacterState::*Field;
  std::string_view Words;
};

constexpr PlainAttribute kPlainAttributes[] = {
    {"maxzivoty", &CharacterState::MAXZIVOTY, "hranice \x9Eivot\xF9"},  // hranice životů
    {"maxmana", &CharacterState::MAXMANA, "hladina many"},
    {"sila", &CharacterState::SILA, "s\xEDla"},  // síla
    {"obratnost", &CharacterState::OBRATNOST, "obratnost"},
    {"rychlost", &CharacterState::RYCHLOST, "rychlost"},
    {"energie", &CharacterState::ENERGIE, "energie"},
};

constexpr std::string_view kRose = "Zv\xFD\x9Aila se ti ";  // Zvýšila se ti
constexpr std::string_view kFell = "Sn\xED\x9Eila se ti ";  // Snížila se ti

// promenna: variable v changed by the sign; reported only while the game
// reports changes. A variable outside 1..999 has no slot: nothing happens.
void ChangeVariable(const Effect& effect, GameState& state, std::string& messages) {
  const long long v = effect.Digits;
  auto& variables = state.World.Variables;
  if (!variables.InRange(v)) return;
  const int32_t old_value = variables.Get(v);
  int32_t new_value = old_value;
  std::string text = "$" + std::to_string(v);
  switch (effect.Operator) {
    case '+':
      new_value = WrapAdd(old_value, effect.Amount);
      text += " se zv\xFD\x9Aila o " + Number(effect.Amount);  // se zvýšila o
      break;
    case '-':
      new_value = WrapSub(old_value, effect.Amount);
      text += " se sn\xED\x9Eila o " + Number(effect.Amount);  // se snížila o
      break;
    case '=':
      new_value = effect.Amount;
      text += " se zm\xECnila";  // se změnila
      break;
    default:
      return;
  }
  variables.Set(v, new_value);
  if (state.World.ReportChanges > 0) Say(messages, text + " na " + Number(new_value));
}

}  // namespace

bool CheckConditions(std::span<const Condition> conditions, const GameState& state,
                     std::string& messages) {
  std::string lines;
  bool all_hold = true;
  for (const Condition& condition : conditions) {
    if (EvaluateCondition(condition, state)) continue;
    all_hold = false;
    Say(lines, WrapText("Nutno: " + DescribeCondition(condition, state), kConditionLineWidth,
                        kDescriptionWrap));
  }
  if (all_hold) return true;
  Say(lines, std::string(kUseConditionsUnmet));
  messages += lines;
  return false;
}

void ApplyItemEffect(const Effect& effect, GameState& state, Host& host, std::string& messages) {
  CharacterState& hero = state.Character;
  const std::string_view kind = effect.Name.str();
  const char sign = effect.Operator;
  const int32_t n = effect.Amount;

  if (kind == "promenna") {
    ChangeVariable(effect, state, messages);
    return;
  }
  if (sign != '+' && sign != '-') return;
  const bool plus = sign == '+';

  if (kind == "zivoty") {
    if (plus) {
      const int32_t old_value = hero.ZIVOTY;
      hero.ZIVOTY = RaiseUpTo(hero.ZIVOTY, n, hero.MAXZIVOTY);
      // Vyléčil sis ... životy
      Say(messages, "Vyl\xE9\xE8il sis " + Number(WrapSub(hero.ZIVOTY, old_value)) + " \x9Eivoty");
    } else {
      hero.ZIVOTY = WrapSub(hero.ZIVOTY, n);
      Say(messages, "Ztratil jsi " + Number(n) + " \x9Eivoty");
      ClampAttributes(state, host);
    }
    return;
  }
  if (kind == "mana") {
    if (plus) {
      const int32_t old_value = hero.MANA;
      hero.MANA = RaiseUpTo(hero.MANA, n, hero.MAXMANA);
      Say(messages, "Obnovil sis " + Number(WrapSub(hero.MANA, old_value)) + " many.");
    } else {
      hero.MANA = WrapSub(hero.MANA, n);
      Say(messages, "Ztratil jsi " + Number(n) + " many.");
      // Mana never stays below 0.
      ClampAttributes(state, host);
    }
    return;
  }
  if (kind == "xp" || kind == "zkusenosti") {
    // Experience can only be gained this way.
    if (!plus) return;
    hero.ZKUSENOSTI = WrapAdd(hero.ZKUSENOSTI, n);
    Say(messages, "Z\xEDskal jsi " + Number(n) + " XP!");  // Získal jsi
    return;
  }
  for (const PlainAttribute& attribute : kPlainAttributes) {
    if (kind != attribute.Kind) continue;
    int32_t& field = hero.*attribute.Field;
    field = plus ? WrapAdd(field, n) : WrapSub(field, n);
    Say(messages,
        std::string(plus ? kRose : kFell) + std::string(attribute.Words) + " o " + Number(n));
    // A lower maximum may cut lives or mana down to it.
    if (!plus && (kind == "maxzivoty" || kind == "maxmana")) ClampAttributes(state, host);
    return;
  }
}

}  // namespace qv
