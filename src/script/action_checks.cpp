#include "script/action_checks.h"

#include <string>

#include "script/script_error.h"
#include "script/script_parser.h"

namespace qv {

namespace {

// The position of the label remembering catalog number n, or -1.
long FindLabel(const std::vector<TLELabel>& labels, int32_t n) {
  for (std::size_t i = 0; i < labels.size(); ++i) {
    if (labels[i].idx == n) return static_cast<long>(i);
  }
  return -1;
}

std::string Command(const ScriptAction& action) { return std::string(CommandWord(action)); }

}  // namespace

void CheckShown(const ScriptAction& action, std::string_view what, int32_t n, std::size_t shown) {
  if (n >= 1 && n <= static_cast<int32_t>(shown)) return;
  throw ScriptError(Command(action) + ": there is no " + std::string(what) + " " +
                    std::to_string(n) + " (" + std::to_string(shown) + " shown)");
}

void ThrowButtonNotShown(action::PageButton button) {
  throw ScriptError("button: '" + std::string(ButtonWord(button)) + "' is not shown");
}

void CheckItemsButton(const FightWindow& fight) {
  if (!fight.Predmety.Visible) throw ScriptError("items: the items button is not shown");
}

void CheckSpellsButton(const FightWindow& fight) {
  // Without mana the spells button has no text, so nothing to click.
  if (!fight.Kouzla.Visible || fight.Kouzla.Caption.empty()) {
    throw ScriptError("spells: the spells button is not shown");
  }
}

void CheckFightOver(const FightWindow& fight) {
  if (!fight.FightOver) throw ScriptError("close: the fight is not over");
}

std::size_t AttackLabelOf(const FightWindow& fight, int32_t n) {
  const long index = FindLabel(fight.ActionLabels, n);
  if (index < 0) throw ScriptError("attack: attack " + std::to_string(n) + " has no label");
  return static_cast<std::size_t>(index);
}

std::size_t ListLabelOf(const FightWindow& fight, const ScriptAction& action, int32_t n) {
  const bool items = std::holds_alternative<action::Use>(action);
  const std::string what = items ? "item" : "spell";
  if (fight.OpenList != (items ? UseList::Items : UseList::Spells)) {
    throw ScriptError(Command(action) + ": the " + what + " list is not open");
  }
  const long index = FindLabel(fight.UseLabels, n);
  if (index < 0) {
    throw ScriptError(Command(action) + ": " + what + " " + std::to_string(n) +
                      " is not in the list");
  }
  return static_cast<std::size_t>(index);
}

void CheckListed(const ScriptAction& action, std::string_view what,
                 const std::vector<TLELabel>& list, int32_t n) {
  if (FindLabel(list, n) >= 0) return;
  throw ScriptError(Command(action) + ": " + std::string(what) + " " + std::to_string(n) +
                    " is not in the list");
}

std::size_t ShownSaleEntry(const SellWindow& sale, const action::Sell& sell) {
  for (std::size_t i = 0; i < sale.Entries.size(); ++i) {
    const SaleEntry& entry = sale.Entries[i];
    if (entry.Goods == sell.Goods && entry.Number == sell.Number && entry.Label.Visible) return i;
  }
  throw ScriptError("sell: no " + std::string(GoodsWord(sell.Goods)) + " " +
                    std::to_string(sell.Number) + " is shown");
}

void CheckRaiseShown(const CharacterSheetWindow& sheet, RaiseIndex raise) {
  // Only a button that is shown can be reached.
  if (!sheet.RaiseVisible[raise]) {
    throw ScriptError("raise: the " + std::string(RaiseWord(raise)) + " button is not shown");
  }
}

}  // namespace qv
