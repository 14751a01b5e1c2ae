#include "desktop/gui_possession_lines.h"

#include <SDL.h>

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "desktop/desktop_host.h"
#include "desktop/inventory_view.h"
#include "desktop/sell_view.h"
#include "desktop/sheet_view.h"
#include "desktop/shop_view.h"
#include "desktop/synthetic_input.h"
#include "script/script_commands.h"
#include "script/script_error.h"

namespace qv {

namespace {

// With the mouse over `list` (a point of it), the wheel turns `notches`.
void PushScroll(const Rect& list, int notches) {
  if (notches == 0) return;
  PushMouse(list.Left + 1, list.Top + 1);
  PushWheel(notches);
}

[[noreturn]] void DoesNotFit(const ScriptLine& line, std::string_view kind) {
  throw ScriptError("'" + line.Command + "' does not fit the window on top (" + std::string(kind) +
                    ")");
}

int32_t NumberOf(const ScriptLine& line, const std::string& text) {
  ScriptLine number_line = line;
  number_line.Arguments = {text};
  return NumberArgument(number_line);
}

// The view on top as a view of type V, or one made for its window (a view
// wrapped by a test shows the window unscrolled).
template <typename V, typename W>
std::unique_ptr<V> ViewOn(DesktopHost& host, const Layer& top, const ScriptLine& line) {
  if (const auto* view = dynamic_cast<const V*>(&top)) return std::make_unique<V>(*view);
  auto* window = dynamic_cast<W*>(top.Window());
  if (!window) DoesNotFit(line, top.Kind());
  return std::make_unique<V>(host, *window);
}

constexpr std::array<std::string_view, kRaiseCount> kRaiseNames = {
    "zivoty", "mana", "sila", "obratnost", "energie", "rychlost"};

void ApplySheet(DesktopHost& host, const ScriptLine& line, const Layer& top) {
  const auto view = ViewOn<SheetView, CharacterSheetWindow>(host, top, line);
  const auto* sheet = dynamic_cast<const CharacterSheetWindow*>(view->Window());
  if (line.Command == "close") {
    ExpectNoArguments(line);
    PushClick(view->CloseButtonArea());
    return;
  }
  if (line.Command != "raise") DoesNotFit(line, "sheet");
  const std::string_view name = WordArgument(line);
  for (std::size_t k = 0; k < kRaiseCount; ++k) {
    if (kRaiseNames[k] != name) continue;
    if (!sheet->RaiseVisible[k]) {
      throw ScriptError("raise: the " + std::string(name) + " button is not shown");
    }
    PushClick(view->RaiseArea(static_cast<RaiseIndex>(k)));
    return;
  }
  throw ScriptError("raise: zivoty, mana, sila, obratnost, energie or rychlost, not '" +
                    std::string(name) + "'");
}

void ClickInventoryEntry(InventoryView& view, const ScriptLine& line, InventoryList list,
                         int32_t number, std::string_view what) {
  if (!InventoryWindow::Find(view.Labels(list), number)) {
    throw ScriptError(line.Command + ": " + std::string(what) + " " + std::to_string(number) +
                      " is not in the list");
  }
  const int column = InventoryView::ColumnOf(list);
  const int notches = view.NotchesToShow(list, number);
  PushScroll(view.ColumnArea(column), notches);
  // The view is a copy: scrolled the same way, it shows where the entry lands.
  view.ScrollColumnBy(column, notches);
  const Rect area = view.EntryArea(list, number);
  if (area.Height == 0) {
    throw ScriptError(line.Command + ": " + std::string(what) + " " + std::to_string(number) +
                      " cannot be scrolled into the window");
  }
  PushClick(area);
}

void ApplyInventory(DesktopHost& host, const ScriptLine& line, const Layer& top) {
  const auto view = ViewOn<InventoryView, InventoryWindow>(host, top, line);
  const std::string& command = line.Command;
  if (command == "close") {
    ExpectNoArguments(line);
    PushClick(view->CloseButtonArea());
  } else if (command == "use") {
    const int32_t n = NumberOf(line, std::string(WordArgument(line)));
    ClickInventoryEntry(*view, line, InventoryList::Items, n, "item");
  } else if (command == "object") {
    const int32_t n = NumberOf(line, std::string(WordArgument(line)));
    ClickInventoryEntry(*view, line, InventoryList::Objects, n, "object");
  } else if (command == "equip") {
    if (line.Arguments.size() != 2) throw ScriptError("equip takes two arguments");
    const std::string& kind = line.Arguments[0];
    if (kind == "weapon") {
      ClickInventoryEntry(*view, line, InventoryList::Weapons, NumberOf(line, line.Arguments[1]),
                          "weapon");
    } else if (kind == "armour") {
      ClickInventoryEntry(*view, line, InventoryList::Armour, NumberOf(line, line.Arguments[1]),
                          "armour");
    } else {
      throw ScriptError("equip: weapon or armour, not '" + kind + "'");
    }
  } else {
    DoesNotFit(line, "inventory");
  }
}

void ApplyShop(DesktopHost& host, const ScriptLine& line, const Layer& top) {
  const auto view = ViewOn<ShopView, ShopWindow>(host, top, line);
  const auto* shop = dynamic_cast<const ShopWindow*>(view->Window());
  if (line.Command == "close") {
    ExpectNoArguments(line);
    PushClick(view->CloseButtonArea());
    return;
  }
  if (line.Command != "buy") DoesNotFit(line, "shop");
  const int32_t row = NumberArgument(line);
  const auto shown = static_cast<int32_t>(shop->RowLabels.size());
  if (row < 1 || row > shown) {
    throw ScriptError("buy: there is no row " + std::to_string(row) + " (" + std::to_string(shown) +
                      " shown)");
  }
  const int notches = view->NotchesToShow(row);
  PushScroll(view->Area(), notches);
  view->ScrollBy(notches);
  PushClick(view->RowArea(row));
}

void ApplySell(DesktopHost& host, const ScriptLine& line, const Layer& top) {
  const auto view = ViewOn<SellView, SellWindow>(host, top, line);
  const auto* sale = dynamic_cast<const SellWindow*>(view->Window());
  if (line.Command == "close") {
    ExpectNoArguments(line);
    PushClick(view->CloseButtonArea());
    return;
  }
  if (line.Command != "sell") DoesNotFit(line, "sell");
  if (line.Arguments.size() != 2) {
    throw ScriptError("sell takes two arguments: weapon|armour|item and a catalog number");
  }
  std::optional<SaleGoods> goods;
  if (line.Arguments[0] == "weapon") goods = SaleGoods::Weapon;
  if (line.Arguments[0] == "armour") goods = SaleGoods::Armour;
  if (line.Arguments[0] == "item") goods = SaleGoods::Item;
  if (!goods) throw ScriptError("sell: weapon, armour or item, not '" + line.Arguments[0] + "'");
  const int32_t number = NumberOf(line, line.Arguments[1]);
  for (std::size_t i = 0; i < sale->Entries.size(); ++i) {
    const SaleEntry& entry = sale->Entries[i];
    if (entry.Goods != *goods || entry.Number != number || !entry.Label.Visible) continue;
    const int notches = view->NotchesToShow(i);
    PushScroll(view->Area(), notches);
    view->ScrollBy(notches);
    PushClick(view->EntryArea(i));
    return;
  }
  throw ScriptError("sell: no " + line.Arguments[0] + " " + std::to_string(number) + " is shown");
}

}  // namespace

bool IsPossessionWindow(std::string_view kind) {
  return kind == "sheet" || kind == "inventory" || kind == "shop" || kind == "sell";
}

bool ApplyPossessionLine(DesktopHost& host, const ScriptLine& line, const Layer& top) {
  const std::string_view kind = top.Kind();
  if (kind == "sheet") {
    ApplySheet(host, line, top);
  } else if (kind == "inventory") {
    ApplyInventory(host, line, top);
  } else if (kind == "shop") {
    ApplyShop(host, line, top);
  } else if (kind == "sell") {
    ApplySell(host, line, top);
  } else {
    DoesNotFit(line, kind);
  }
  return true;
}

}  // namespace qv
