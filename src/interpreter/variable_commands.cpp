// Commands on the numbered variables and text slots, the report-changes
// switch, the player's name and the stored start attributes.
//
// A variable number is an attribute name read as an integer: a name that is
// no integer stops the page like any bad number, a number outside 1..999 has
// no variable and the attribute is ignored (nothing changes, nothing is
// reported).

#include <algorithm>
#include <string>
#include <string_view>

#include "data/conversion.h"
#include "data/text_case.h"
#include "interpreter/command_table.h"
#include "interpreter/game_window.h"
#include "interpreter/tag_attributes.h"
#include "interpreter/variable_command_groups.h"
#include "interpreter/variable_listing_files.h"
#include "parser/dice.h"
#include "parser/expression.h"
#include "parser/wrapping_arithmetic.h"

namespace qv {

namespace {

constexpr std::string_view kDebugColour = "lime";
// "(debug) Hodnota proměnné $"
constexpr std::string_view kDebugPrefix = "(debug) Hodnota prom\xECnn\xE9 $";
// " se změnila na "
constexpr std::string_view kDebugChanged = " se zm\xECnila na ";
// " se zvýšila o "
constexpr std::string_view kDebugRaised = " se zv\xFD\x9Aila o ";
// " se snížila o "
constexpr std::string_view kDebugLowered = " se sn\xED\x9Eila o ";
// " na výsledných "
constexpr std::string_view kDebugResult =
    " na v\xFDsledn\xFD"
    "ch ";

int32_t VariableNumber(const param& p) { return StrToInt(p.Name); }

bool Reporting(const GameWindow& form) { return form.State.World.ReportChanges > 0; }

// PROMENNA: each attribute sets its variable to the value.
void SetVariables(GameWindow& form, const TagEntry& tag) {
  for (const param& p : Attributes(tag)) {
    const int32_t number = VariableNumber(p);
    const int32_t value = IntValue(p);
    if (!form.State.World.Variables.Set(number, value)) continue;
    if (Reporting(form)) {
      form.Report(std::string(kDebugPrefix) + p.Name + std::string(kDebugChanged) + p.Value,
                  kDebugColour);
    }
  }
}

// ZVYSPROMENNOU and SNIZPROMENNOU: each attribute adds its value to its
// variable or takes it away; sums wrap on 32 bits.
void AddToVariables(GameWindow& form, const TagEntry& tag, bool subtract) {
  auto& variables = form.State.World.Variables;
  for (const param& p : Attributes(tag)) {
    const int32_t number = VariableNumber(p);
    const int32_t n = IntValue(p);
    int32_t* variable = variables.Find(number);
    if (variable == nullptr) continue;
    *variable = subtract ? WrapSub(*variable, n) : WrapAdd(*variable, n);
    if (Reporting(form)) {
      form.Report(std::string(kDebugPrefix) + p.Name +
                      std::string(subtract ? kDebugLowered : kDebugRaised) + p.Value +
                      std::string(kDebugResult) + std::to_string(*variable),
                  kDebugColour);
    }
  }
}

void RaiseVariables(GameWindow& form, const TagEntry& tag) { AddToVariables(form, tag, false); }
void LowerVariables(GameWindow& form, const TagEntry& tag) { AddToVariables(form, tag, true); }

// NASTAVPROMENNE: CISLO, POCET and HODNOTA are page values, so a tag that
// leaves one out uses what an earlier tag of the page gave (0 at first).
void FillVariables(GameWindow& form, const TagEntry& tag) {
  PageLocals& locals = form.Locals;
  for (const param& p : Attributes(tag)) {
    if (p.Name == "CISLO") {
      locals.RangeFirst = IntValue(p);
    } else if (p.Name == "POCET") {
      locals.RangeCount = IntValue(p);
    } else if (p.Name == "HODNOTA") {
      locals.RangeValue = IntValue(p);
    }
  }
  if (locals.RangeCount <= 0) return;
  // Only the part of the range that has variables is visited, so a huge
  // POCET costs nothing and the end of the range cannot overflow.
  const int64_t first = std::max<int64_t>(locals.RangeFirst, 1);
  const int64_t last = std::min<int64_t>(int64_t{locals.RangeFirst} + locals.RangeCount - 1,
                                         static_cast<int64_t>(WorldState::kVariableCount));
  for (int64_t n = first; n <= last; ++n) form.State.World.Variables.Set(n, locals.RangeValue);
}

// NAHODA: each attribute rolls its dice into its variable. The dice are
// rolled even for a number without a variable, so the draws of a run do not
// depend on it.
void RollIntoVariables(GameWindow& form, const TagEntry& tag) {
  for (const param& p : Attributes(tag)) {
    const int32_t number = VariableNumber(p);
    const int32_t roll = RollDice(ParseDice(p.Value), form.Random);
    form.State.World.Variables.Set(number, roll);
  }
}

// VZOREC: each attribute evaluates its expression into its variable.
void EvaluateIntoVariables(GameWindow& form, const TagEntry& tag) {
  for (const param& p : Attributes(tag)) {
    const int32_t number = VariableNumber(p);
    form.State.World.Variables.Set(number, EvaluateExpression(p.Value));
  }
}

// RETEZEC: each attribute named 1..10 sets that text slot, cut to 100
// characters. Names above 10 are ignored, and so are 0 and negative names,
// which have no slot either.
void SetTextSlots(GameWindow& form, const TagEntry& tag) {
  for (const param& p : Attributes(tag)) {
    const int32_t number = StrToInt(p.Name);
    if (number < 11) form.State.World.Strings.Set(number, p.Value);
  }
}

// Leading and trailing blanks and control characters go, as the player's
// typed answers often carry them.
std::string_view Trimmed(std::string_view text) {
  const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// SROVNEJRETEZCE: variable VYSLEDEK := 1 when the texts A and B are equal
// without regard to blanks around them and to case, else 0. VYSLEDEK is a
// page value like the range of NASTAVPROMENNE; a missing text is empty.
void CompareTexts(GameWindow& form, const TagEntry& tag) {
  std::string_view a;
  std::string_view b;
  for (const param& p : Attributes(tag)) {
    if (p.Name == "A") {
      a = p.Value;
    } else if (p.Name == "B") {
      b = p.Value;
    } else if (p.Name == "VYSLEDEK") {
      form.Locals.CompareResult = IntValue(p);
    }
  }
  const bool equal = UpCase1250(Trimmed(a)) == UpCase1250(Trimmed(b));
  form.State.World.Variables.Set(form.Locals.CompareResult, equal ? 1 : 0);
}

void ReportChangesOn(GameWindow& form, const TagEntry&) { form.State.World.ReportChanges = 1; }
void ReportChangesOff(GameWindow& form, const TagEntry&) { form.State.World.ReportChanges = 0; }

// SEZNAMPROMENNYCHSOUBOR: a file that cannot be written stops the page.
void WriteListingFiles(GameWindow& form, const TagEntry&) {
  WriteVariableListingFiles(form.State.World);
}

// ZMENJMENO: each TEXT or JMENO attribute renames the player (100
// characters at most).
void Rename(GameWindow& form, const TagEntry& tag) {
  for (const param& p : Attributes(tag)) {
    if (p.Name == "TEXT" || p.Name == "JMENO") form.State.Character.Name = p.Value;
  }
}

void StoreStartValues(GameWindow& form, const TagEntry&) {
  StoreStartAttributes(form.State.Character);
}

}  // namespace

void AddVariableCommands(CommandMap& map) {
  map["PROMENNA"] = &SetVariables;
  map["ZVYSPROMENNOU"] = &RaiseVariables;
  map["SNIZPROMENNOU"] = &LowerVariables;
  map["NASTAVPROMENNE"] = &FillVariables;
  map["NAHODA"] = &RollIntoVariables;
  map["VZOREC"] = &EvaluateIntoVariables;
  map["RETEZEC"] = &SetTextSlots;
  map["SROVNEJRETEZCE"] = &CompareTexts;
  map["VYPISUJPROMENNE"] = &ReportChangesOn;
  map["NEVYPISUJPROMENNE"] = &ReportChangesOff;
  map["SEZNAMPROMENNYCHSOUBOR"] = &WriteListingFiles;
  map["ZMENJMENO"] = &Rename;
  map["ULOZPOCATECNIVLASTNOSTI"] = &StoreStartValues;
  AddMoneyCommands(map);
  AddAttributeCommands(map);
}

}  // namespace qv
