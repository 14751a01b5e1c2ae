#include "possessions/money_heading.h"

namespace qv {

std::string MoneyLine(const GameState& state) {
  return "M\xE1me " + std::to_string(state.Character.PENIZE) + " " + state.CurrencyName;
}

int CentredUnder(int anchor_left, int anchor_width, int width) {
  return anchor_left + anchor_width / 2 - width / 2;
}

void MoneyHeading::ShowMoney(const GameState& state, Host& host) {
  Label2 = MoneyLine(state);
  const int heading_width = host.MeasureText(HeadingFont, Label1).Width;
  const int money_width = host.MeasureText(MoneyFont, Label2).Width;
  Label2Left = CentredUnder(Label1Left, heading_width, money_width);
}

}  // namespace qv
