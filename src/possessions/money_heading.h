// The heading and the money line the shop and the selling window share:
// "Máme " + PENIZE + " " + currency name, centred under the heading.
#pragma once

#include <string>
#include <string_view>

#include "host/font.h"
#include "host/host.h"
#include "state/game_state.h"

namespace qv {

// "Máme " + money + " " + currency name.
std::string MoneyLine(const GameState& state);

// The left of a text `width` wide centred under one at `anchor_left` that
// is `anchor_width` wide; each half rounds toward zero.
int CentredUnder(int anchor_left, int anchor_width, int width);

struct MoneyHeading {
  static constexpr int kHeadingLeft = 290;
  static constexpr int kHeadingTop = 10;
  static constexpr int kMoneyTop = 35;

  std::string Title;  // Label1, the heading, "Obchod" or "Prodej"
  Font HeadingFont{"Arial", 16, {.Bold = true}};
  int TitleLeft = kHeadingLeft;
  std::string Money;  // Label2, the money line
  Font MoneyFont{"Arial", 12, {}};
  int MoneyLeft = kHeadingLeft;

  // Fills the money line from the state and centres it again under the
  // heading, measured in the host's fonts.
  void ShowMoney(const GameState& state, Host& host);
};

}  // namespace qv
