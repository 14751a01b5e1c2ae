#include "desktop/gui_possession_lines.h"

#include <SDL.h>

#include <memory>
#include <string>

#include "desktop/desktop_host.h"
#include "desktop/inventory_view.h"
#include "desktop/sell_view.h"
#include "desktop/sheet_view.h"
#include "desktop/shop_view.h"
#include "desktop/synthetic_input.h"
#include "script/action_checks.h"
#include "script/script_error.h"
#include "script/script_parser.h"
#include "script/window_driver.h"

namespace qv {

namespace {

// With the mouse over `list` (a point of it), the wheel turns `notches`.
void PushScroll(const Rect& list, int notches) {
  if (notches == 0) return;
  PushMouse(list.Left + 1, list.Top + 1);
  PushWheel(notches);
}

// The view on top as a view of type V, or one made for its window (a view
// wrapped by a test shows the window unscrolled).
template <typename V, typename W>
std::unique_ptr<V> ViewOn(DesktopHost& host, const Layer& top) {
  if (const auto* view = dynamic_cast<const V*>(&top)) return std::make_unique<V>(*view);
  return std::make_unique<V>(host, dynamic_cast<W&>(*top.Window()));
}

void ApplySheet(DesktopHost& host, const ScriptAction& action, const Layer& top) {
  const auto view = ViewOn<SheetView, CharacterSheetWindow>(host, top);
  const auto* sheet = dynamic_cast<const CharacterSheetWindow*>(view->Window());
  if (const auto* raise = std::get_if<action::Raise>(&action)) {
    CheckRaiseShown(*sheet, raise->Which);
    PushClick(view->RaiseArea(raise->Which));
  } else if (std::holds_alternative<action::Close>(action)) {
    PushClick(view->CloseButtonArea());
  } else {
    ThrowNotForWindow(*top.Window(), action);
  }
}

void ClickInventoryEntry(InventoryView& view, const ScriptAction& action, InventoryList list,
                         int32_t number, std::string_view what) {
  CheckListed(action, what, view.Labels(list), number);
  const int column = InventoryView::ColumnOf(list);
  const int notches = view.NotchesToShow(list, number);
  PushScroll(view.ColumnArea(column), notches);
  // The view is a copy: scrolled the same way, it shows where the entry lands.
  view.ScrollColumnBy(column, notches);
  const Rect area = view.EntryArea(list, number);
  if (area.Height == 0) {
    throw ScriptError(std::string(CommandWord(action)) + ": " + std::string(what) + " " +
                      std::to_string(number) + " cannot be scrolled into the window");
  }
  PushClick(area);
}

void ApplyInventory(DesktopHost& host, const ScriptAction& action, const Layer& top) {
  const auto view = ViewOn<InventoryView, InventoryWindow>(host, top);
  std::visit(Overloaded{
                 [&](const action::Close&) { PushClick(view->CloseButtonArea()); },
                 [&](const action::Use& a) {
                   ClickInventoryEntry(*view, action, InventoryList::Items, a.Number, "item");
                 },
                 [&](const action::ClickObject& a) {
                   ClickInventoryEntry(*view, action, InventoryList::Objects, a.Number, "object");
                 },
                 [&](const action::Equip& a) {
                   if (a.Which == action::Gear::Weapon) {
                     ClickInventoryEntry(*view, action, InventoryList::Weapons, a.Number, "weapon");
                   } else {
                     ClickInventoryEntry(*view, action, InventoryList::Armour, a.Number, "armour");
                   }
                 },
                 [&](const auto&) { ThrowNotForWindow(*top.Window(), action); },
             },
             action);
}

void ApplyShop(DesktopHost& host, const ScriptAction& action, const Layer& top) {
  const auto view = ViewOn<ShopView, ShopWindow>(host, top);
  const auto* shop = dynamic_cast<const ShopWindow*>(view->Window());
  if (std::holds_alternative<action::Close>(action)) {
    PushClick(view->CloseButtonArea());
    return;
  }
  const auto* buy = std::get_if<action::Buy>(&action);
  if (!buy) ThrowNotForWindow(*top.Window(), action);
  CheckShown(action, "row", buy->Row, shop->RowLabels.size());
  const int notches = view->NotchesToShow(buy->Row);
  PushScroll(view->Area(), notches);
  view->ScrollBy(notches);
  PushClick(view->RowArea(buy->Row));
}

void ApplySell(DesktopHost& host, const ScriptAction& action, const Layer& top) {
  const auto view = ViewOn<SellView, SellWindow>(host, top);
  const auto* sale = dynamic_cast<const SellWindow*>(view->Window());
  if (std::holds_alternative<action::Close>(action)) {
    PushClick(view->CloseButtonArea());
    return;
  }
  const auto* sell = std::get_if<action::Sell>(&action);
  if (!sell) ThrowNotForWindow(*top.Window(), action);
  const std::size_t entry = ShownSaleEntry(*sale, *sell);
  const int notches = view->NotchesToShow(entry);
  PushScroll(view->Area(), notches);
  view->ScrollBy(notches);
  PushClick(view->EntryArea(entry));
}

}  // namespace

void ApplyPossessionAction(DesktopHost& host, const Layer& top, const ScriptAction& action) {
  const std::string_view kind = top.Kind();
  if (kind == "sheet") {
    ApplySheet(host, action, top);
  } else if (kind == "inventory") {
    ApplyInventory(host, action, top);
  } else if (kind == "shop") {
    ApplyShop(host, action, top);
  } else {
    ApplySell(host, action, top);
  }
}

}  // namespace qv
