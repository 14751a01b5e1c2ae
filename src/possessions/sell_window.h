// SellWindow (TProdej): the selling window: what the player holds of the chosen kinds,
// one label per catalog entry, each click selling one piece at a percentage
// of its value.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/host.h"
#include "host/window.h"
#include "possessions/money_heading.h"
#include "state/game_state.h"
#include "ui/tle_label.h"

namespace qv {

// "Prodej"
inline constexpr std::string_view kSellHeading = "Prodej";
// "Prodejní cena: "
inline constexpr std::string_view kSellingPrice = "Prodejn\xED cena: ";
// " (hodnota "
inline constexpr std::string_view kValue = " (hodnota ";

enum class SaleGoods { Weapon, Armour, Item };

// Which kinds a sale kind (the category code of TYP) lists: weapons for
// 0, 1, 4, 5; armour for 0, 2, 4, 6; items for 0, 3, 5, 6.
bool ListsGoods(int32_t sale_kind, SaleGoods goods);

// One label of the window: a catalog entry the player holds.
struct SaleEntry {
  SaleGoods Goods = SaleGoods::Weapon;
  int32_t Number = 0;        // the catalog number
  int32_t NumberInKind = 0;  // 1 = the first entry listed of its kind
  TLELabel Label;
};

class SellWindow : public ModalWindow {
 public:
  // The window is the size of its background picture "pozadi_inventar".
  static constexpr int kWidth = 670;
  static constexpr int kHeight = 603;
  static constexpr int kEntryLeft = 50;
  static constexpr int kEntryTop = 50;
  static constexpr int kEntrySpacing = 15;

  SellWindow(GameState& state, Host& host);

  std::string_view Kind() const override { return "sell"; }

  int32_t SaleKind = 1;
  int32_t SalePercent = 50;
  MoneyHeading Heading;  // Label1 "Prodej" and the money line Label2
  std::vector<SaleEntry> Entries;
  std::string Status;  // the hover line at the bottom
  int Left = 0;
  int Top = 0;

  void CentreOn(int width, int height);
  // Takes the sale kind and percentage, fills the money line, empties
  // Status and lists weapons, armour and items (those the sale kind names),
  // each in catalog order: every loaded entry held at least once and worth
  // more than 0. Entry i (from 0, over all three lists) is at top
  // 15 × i + 50. Every entry is listed, however many.
  void Prepare(int32_t sale_kind, int32_t sale_percent);
  void ShowMoney();

  // The handlers of the template labels Label3 (weapons), Label4 (armour)
  // and Label5 (items); they differ only in the catalog they act on, which
  // the entry names. `entry` indexes Entries; others do nothing.
  void EntryMouseMove(std::size_t entry);
  // Sells one piece: Held - 1, the price added to the money, the caption
  // renewed and the label hidden once none is left. A hidden entry, or one
  // whose pieces were taken away while the window was up, sells nothing.
  void EntryClick(std::size_t entry);
  void FormMouseMove() { Status.clear(); }
  void CloseClick() { Close(); }

  // The price the window pays for one piece of that value.
  int64_t PriceFor(int32_t value) const;

 private:
  void ListGoods(SaleGoods goods);

  GameState& state_;
  Host& host_;
};

}  // namespace qv
