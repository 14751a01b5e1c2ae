// The one-line Czech description of a condition, shown as a hint when a
// weapon, spell, attack or item cannot be used ("Mana je menší 5").
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "data/condition.h"

namespace qv {

// Replaces the $ references of a text with their values.
using SubstituteFn = std::function<std::string(std::string_view)>;

// LABEL + " " + WORDS + " " + value, in Windows-1250 bytes. LABEL names the
// attribute of key codes 1..10 (code 1 is "Počet " + currencyName, cut to 36
// bytes); WORDS name the operator and are empty for an operator outside the
// table. The value is shown after substitution, as written: for an unquoted
// value that is the variable's number, not its content. Conditions on other
// keys, on items (PREDMET) and on objects (OBJEKT) are not spelled out:
// they read "Zvláštní podmínky použití!".
//
// The subject is trimmed and substituted too, although the text does not
// show it, so substitute sees the same calls as in an evaluation.
std::string DescribeCondition(const Condition& condition, std::string_view currencyName,
                              const SubstituteFn& substitute);

}  // namespace qv
