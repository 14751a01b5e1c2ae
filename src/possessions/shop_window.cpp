#include "possessions/shop_window.h"

#include <limits>
#include <utility>

#include "parser/wrapping_arithmetic.h"

namespace qv {

namespace {

constexpr std::string_view kWeaponKind = "zbran";
constexpr std::string_view kArmourKind = "zbroj";
constexpr std::string_view kItemKind = "predmet";

// One more piece; a count at the top of its field stays there.
template <class Count>
void AddOne(Count& held) {
  if (held < std::numeric_limits<Count>::max()) ++held;
}

}  // namespace

ShopWindow::ShopWindow(GameState& state, Host& host) : state_(state), host_(host) {
  Heading.Title = kShopHeading;
}

void ShopWindow::CentreOn(int width, int height) {
  Left = width / 2 - kWidth / 2;
  Top = height / 2 - kHeight / 2;
}

void ShopWindow::ShowMoney() { Heading.ShowMoney(state_, host_); }

void ShopWindow::ShowOffer(std::vector<ShopRow> offer) {
  Offer = std::move(offer);
  RowLabels.clear();
  RowLabels.reserve(Offer.size());
  for (std::size_t i = 0; i < Offer.size(); ++i) {
    const int row = static_cast<int>(i) + 1;
    TLELabel label;
    label.Caption = Offer[i].Name;
    label.Left = kRowLeft;
    label.Top = kRowSpacing * row + kRowTop;
    label.HandCursor = true;
    label.idx = row;
    RowLabels.push_back(std::move(label));
  }
}

const ShopRow* ShopWindow::RowAt(int row) const {
  if (row < 1 || row > static_cast<int>(Offer.size())) return nullptr;
  return &Offer[static_cast<std::size_t>(row - 1)];
}

bool ShopWindow::CanBeBought(const ShopRow& row) const {
  if (row.Kind == kWeaponKind) return state_.Weapons.IsLoaded(row.ItemNumber);
  if (row.Kind == kArmourKind) return state_.Armours.IsLoaded(row.ItemNumber);
  if (row.Kind == kItemKind) return state_.Items.IsLoaded(row.ItemNumber);
  return false;
}

void ShopWindow::RowMouseMove(int row) {
  const ShopRow* offer = RowAt(row);
  if (offer == nullptr) return;
  HoverLine = offer->Name + "\r\n" + offer->Description +
              "\r\nCena: " + std::to_string(offer->Price) + " " + state_.CurrencyName;
}

void ShopWindow::RowClick(int row) {
  const ShopRow* offer = RowAt(row);
  if (offer == nullptr) return;
  // Without this check such a row would sell nothing for nothing and count
  // a piece in a slot no record stands in (or outside the catalog).
  if (!CanBeBought(*offer)) {
    MessageLine = kCannotBeBought;
    return;
  }
  int32_t& money = state_.Character.PENIZE;
  if (money < offer->Price) {
    MessageLine = kNotEnoughMoney;
    return;
  }
  money = WrapSub(money, offer->Price);
  ShowMoney();
  MessageLine = std::string(kBought) + offer->Name;
  if (offer->Kind == kWeaponKind) {
    AddOne(state_.Weapons.at(offer->ItemNumber).Held);
  } else if (offer->Kind == kArmourKind) {
    AddOne(state_.Armours.at(offer->ItemNumber).Held);
  } else {
    AddOne(state_.Items.at(offer->ItemNumber).Held);
  }
}

}  // namespace qv
