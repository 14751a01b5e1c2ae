// ShopWindow (TObchod): the shop: the offer of one shop as a list of row labels, each
// bought with a click at its catalog price. Rows never run out; the offer
// shows every row the shop file names, however many.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/host.h"
#include "host/window.h"
#include "possessions/money_heading.h"
#include "possessions/shop.h"
#include "state/game_state.h"
#include "ui/tle_label.h"

namespace qv {

// "Nemáš dostatek peněz!!!"
inline constexpr std::string_view kNotEnoughMoney =
    "Nem\xE1\x9A dostatek pen\xEC"
    "z!!!";
// "Koupil jsi " + the row's name.
inline constexpr std::string_view kBought = "Koupil jsi ";
// A row naming no record of its catalog has nothing to hand over.
// "Toto zboží nelze koupit"
inline constexpr std::string_view kCannotBeBought = "Toto zbo\x9E\xED nelze koupit";
// The hover line over the close picture: "Ukončit obchodování".
inline constexpr std::string_view kEndTrading = "Ukon\xE8it obchodov\xE1n\xED";
// "Obchod"
inline constexpr std::string_view kShopHeading = "Obchod";

class ShopWindow : public ModalWindow {
 public:
  // The window is the size of its background picture "pozadi_inventar".
  static constexpr int kWidth = 670;
  static constexpr int kHeight = 603;
  static constexpr int kRowLeft = 50;
  static constexpr int kRowTop = 50;
  static constexpr int kRowSpacing = 15;

  ShopWindow(GameState& state, Host& host);

  std::string_view Kind() const override { return "shop"; }

  MoneyHeading Heading;  // Label1 "Obchod" and the money line Label2
  std::vector<ShopRow> Offer;
  std::vector<TLELabel> RowLabels;  // one per offer row, row r at top 15 × r + 50
  std::string HoverLine;            // Label3, the hover line: what the mouse is over
  std::string MessageLine;          // Label5, the message line: what the last click did
  int Left = 0;
  int Top = 0;

  // Centres the window on a game window of that size, each half rounded
  // toward zero.
  void CentreOn(int width, int height);
  // The money line from the state, centred under the heading.
  void ShowMoney();
  // Takes the offer and makes one row label per row.
  void ShowOffer(std::vector<ShopRow> offer);

  // The handlers of the template label Label4, which every row label
  // shares; `row` is the row the label remembers (1 = the first). Rows
  // outside the offer do nothing.
  void RowMouseMove(int row);  // Label4MouseMove
  void RowClick(int row);      // Label4Click
  // The mouse over the background, and over the close picture.
  void FormMouseMove() { HoverLine.clear(); }
  void CloseMouseMove() { HoverLine = kEndTrading; }
  void CloseClick() { Close(); }

  // True when the row names a record its catalog holds: only such rows
  // hand something over.
  bool CanBeBought(const ShopRow& row) const;

 private:
  const ShopRow* RowAt(int row) const;

  GameState& state_;
  Host& host_;
};

}  // namespace qv
