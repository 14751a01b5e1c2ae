#include "possessions/sell_window.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "possessions/sale_price.h"

namespace qv {

namespace {

int32_t CountOf(GameState& state, SaleGoods goods) {
  switch (goods) {
    case SaleGoods::Weapon:
      return state.Weapons.Count;
    case SaleGoods::Armour:
      return state.Armours.Count;
    case SaleGoods::Item:
      return state.Items.Count;
  }
  return 0;
}

// Calls visit(record) for entry n of the catalog; nothing outside 1..100.
template <class Visit>
void VisitEntry(GameState& state, SaleGoods goods, int32_t n, Visit visit) {
  switch (goods) {
    case SaleGoods::Weapon:
      if (Weapon* w = state.Weapons.Find(n)) visit(*w);
      break;
    case SaleGoods::Armour:
      if (Armour* a = state.Armours.Find(n)) visit(*a);
      break;
    case SaleGoods::Item:
      if (Item* it = state.Items.Find(n)) visit(*it);
      break;
  }
}

template <class Record>
std::string Caption(const Record& record) {
  return record.Name.str() + " x" + std::to_string(record.Held);
}

// money + price, held at the limits of the money field: an extreme
// percentage must not turn a fortune into a debt.
int32_t AddPrice(int32_t money, int64_t price) {
  constexpr int64_t kLow = std::numeric_limits<int32_t>::min();
  constexpr int64_t kHigh = std::numeric_limits<int32_t>::max();
  // |price| < 2^56, so the sum fits.
  return static_cast<int32_t>(std::clamp<int64_t>(int64_t{money} + price, kLow, kHigh));
}

}  // namespace

bool ListsGoods(int32_t sale_kind, SaleGoods goods) {
  switch (goods) {
    case SaleGoods::Weapon:
      return sale_kind == 0 || sale_kind == 1 || sale_kind == 4 || sale_kind == 5;
    case SaleGoods::Armour:
      return sale_kind == 0 || sale_kind == 2 || sale_kind == 4 || sale_kind == 6;
    case SaleGoods::Item:
      return sale_kind == 0 || sale_kind == 3 || sale_kind == 5 || sale_kind == 6;
  }
  return false;
}

SellWindow::SellWindow(GameState& state, Host& host) : state_(state), host_(host) {
  Heading.Title = kSellHeading;
}

void SellWindow::CentreOn(int width, int height) {
  Left = width / 2 - kWidth / 2;
  Top = height / 2 - kHeight / 2;
}

void SellWindow::ShowMoney() { Heading.ShowMoney(state_, host_); }

int64_t SellWindow::PriceFor(int32_t value) const { return SellingPrice(value, SalePercent); }

void SellWindow::Prepare(int32_t sale_kind, int32_t sale_percent) {
  SaleKind = sale_kind;
  SalePercent = sale_percent;
  ShowMoney();
  Status.clear();
  Entries.clear();
  for (SaleGoods goods : {SaleGoods::Weapon, SaleGoods::Armour, SaleGoods::Item}) {
    if (ListsGoods(SaleKind, goods)) ListGoods(goods);
  }
}

void SellWindow::ListGoods(SaleGoods goods) {
  int32_t in_kind = 0;
  const int32_t count = CountOf(state_, goods);
  for (int32_t n = 1; n <= count; ++n) {
    VisitEntry(state_, goods, n, [&](const auto& record) {
      if (record.Held <= 0 || record.Price <= 0) return;
      SaleEntry entry;
      entry.Goods = goods;
      entry.Number = n;
      entry.NumberInKind = ++in_kind;
      entry.Label.Caption = Caption(record);
      entry.Label.Left = kEntryLeft;
      entry.Label.Top = kEntrySpacing * static_cast<int>(Entries.size()) + kEntryTop;
      entry.Label.HandCursor = true;
      entry.Label.idx = n;
      Entries.push_back(std::move(entry));
    });
  }
}

void SellWindow::EntryMouseMove(std::size_t entry) {
  if (entry >= Entries.size()) return;
  const SaleEntry& shown = Entries[entry];
  VisitEntry(state_, shown.Goods, shown.Number, [&](const auto& record) {
    Status = std::string(kSellingPrice) + std::to_string(PriceFor(record.Price)) +
             std::string(kValue) + std::to_string(record.Price) + ") " + state_.CurrencyName +
             "\r\n" + record.Description.str();
  });
}

void SellWindow::EntryClick(std::size_t entry) {
  if (entry >= Entries.size()) return;
  SaleEntry& shown = Entries[entry];
  if (!shown.Label.Visible) return;
  VisitEntry(state_, shown.Goods, shown.Number, [&](auto& record) {
    // A countdown may have taken the pieces while the window was up: there
    // is nothing left to sell, and no count may go below 0.
    if (record.Held < 1) {
      shown.Label.Visible = false;
      return;
    }
    --record.Held;
    int32_t& money = state_.Character.PENIZE;
    money = AddPrice(money, PriceFor(record.Price));
    ShowMoney();
    shown.Label.Caption = Caption(record);
    if (record.Held < 1) shown.Label.Visible = false;
  });
}

}  // namespace qv
