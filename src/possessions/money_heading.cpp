#include "possessions/money_heading.h"

namespace qv {

std::string MoneyLine(const GameState& state) {
  return "M\xE1me " + std::to_string(state.Character.PENIZE) + " " + state.CurrencyName;
}

int CentredUnder(int anchor_left, int anchor_width, int width) {
  return anchor_left + anchor_width / 2 - width / 2;
}

void MoneyHeading::ShowMoney(const GameState& state, Host& host) {
  Money = MoneyLine(state);
  const int heading_width = host.MeasureText(HeadingFont, Title).Width;
  const int money_width = host.MeasureText(MoneyFont, Money).Width;
  MoneyLeft = CentredUnder(TitleLeft, heading_width, money_width);
}

}  // namespace qv
