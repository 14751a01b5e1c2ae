// Checks of a parsed action against the state of the window it acts on,
// shared by every host that applies actions, so a refused line reads the
// same whether the models are called or real clicks are made. Each throws
// ScriptError with the run's message.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "combat/fight_window.h"
#include "possessions/character_sheet_window.h"
#include "possessions/sell_window.h"
#include "script/script_action.h"
#include "ui/tle_label.h"

namespace qv {

// n must count one of the `shown` controls from 1, as in
// "choose: there is no option 3 (2 shown)".
void CheckShown(const ScriptAction& action, std::string_view what, int32_t n, std::size_t shown);

// `button NAME` on a button that is not shown.
[[noreturn]] void ThrowButtonNotShown(action::PageButton button);

// --- Fight -------------------------------------------------------------------

void CheckItemsButton(const FightWindow& fight);
void CheckSpellsButton(const FightWindow& fight);
void CheckFightOver(const FightWindow& fight);
// The position of the attack label of catalog number n.
std::size_t AttackLabelOf(const FightWindow& fight, int32_t n);
// The position of label n of the open item (`use`) or spell (`cast`) list.
std::size_t ListLabelOf(const FightWindow& fight, const ScriptAction& action, int32_t n);

// --- Possessions -----------------------------------------------------------

// The entry of number n must be in `list` ("use: item 3 is not in the list").
void CheckListed(const ScriptAction& action, std::string_view what,
                 const std::vector<TLELabel>& list, int32_t n);
// The position among the entries of the shown entry `sell` names.
std::size_t ShownSaleEntry(const SellWindow& sale, const action::Sell& sell);
void CheckRaiseShown(const CharacterSheetWindow& sheet, RaiseIndex raise);

}  // namespace qv
