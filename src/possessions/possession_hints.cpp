#include "possessions/possession_hints.h"

#include "data/text_wrap.h"
#include "possessions/character_sheet_window.h"
#include "state/condition_eval.h"

namespace qv {

namespace {

std::string Wrapped(std::string_view description) {
  return WrapText(description, kHintWidth, kDescriptionWrap);
}

std::string_view ModifierLabel(std::string_view kind) {
  if (kind == "maxzivoty") return "Maximum \x9Eivot\xF9 ";  // Maximum životů
  if (kind == "maxmana") return "Maximum many ";
  if (kind == "obratnost") return "Obratnost ";
  if (kind == "sila") return "S\xEDla ";  // Síla
  if (kind == "rychlost") return "Rychlost ";
  if (kind == "energie") return "Energie ";
  return {};
}

// The modifier and condition lines of a weapon or armour, after a line break,
// when it has any.
std::string ModifiersAndConditions(std::span<const Effect> modifiers,
                                   std::span<const Condition> conditions, const GameState& state) {
  if (modifiers.empty() && conditions.empty()) return {};
  std::string out(kHintBreak);
  for (const Effect& modifier : modifiers) {
    out += kHintBreak;
    out += ModifierLine(modifier);
  }
  out += ConditionLines(conditions, state);
  return out;
}

}  // namespace

std::string_view UseModeLine(std::string_view use_word) {
  if (use_word == "boj") return "Pouze v boji";
  if (use_word == "mimoboj") return "Pouze mimo boj";
  if (use_word == "vzdy")
    return "Mo\x9Eno pou\x9E\xEDt v\x9E"
           "dy";                 // Možno použít vždy
  return "Nelze pou\x9E\xEDt!";  // Nelze použít!
}

bool UsableOutsideFight(const Item& item) {
  return item.UseWord == "mimoboj" || item.UseWord == "vzdy";
}

std::string ModifierLine(const Effect& modifier) {
  const std::string_view label = ModifierLabel(modifier.Name.str());
  if (label.empty()) return {};
  std::string line(label);
  line += modifier.Operator;
  line += ' ';
  line += std::to_string(modifier.Amount);
  return line;
}

std::string ConditionLines(std::span<const Condition> conditions, const GameState& state) {
  std::string out;
  for (const Condition& condition : conditions) {
    out += kHintBreak;
    // Splněno: / Nesplněno:
    out += EvaluateCondition(condition, state) ? "Spln\xECno: " : "Nespln\xECno: ";
    out += DescribeCondition(condition, state);
  }
  return out;
}

std::string ObjectHint(const ObjectEntry& object) { return Wrapped(object.Description); }

std::string ItemHint(const Item& item, const GameState& state) {
  std::string out = Wrapped(item.Description);
  out += kHintBreak;
  out += UseModeLine(item.UseWord);
  out += kHintBreak;
  out += ConditionLines(item.UsedConditions(), state);
  return out;
}

std::string WeaponHint(const Weapon& weapon, const GameState& state) {
  std::string out = WeaponLine(weapon);
  out += kHintBreak;
  out += Wrapped(weapon.Description);
  out += ModifiersAndConditions(weapon.UsedEffects(), weapon.UsedConditions(), state);
  return out;
}

std::string ArmourHint(const Armour& armour, const GameState& state) {
  std::string out = ArmourLine(armour);
  out += kHintBreak;
  out += Wrapped(armour.Description);
  out += ModifiersAndConditions(armour.UsedEffects(), armour.UsedConditions(), state);
  return out;
}

}  // namespace qv
