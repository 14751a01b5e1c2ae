// OBCHOD and PRODEJ: the shop and the selling window. Both windows live for
// the one command; what the player bought or sold is in the game state when
// they close, and the rest of the page is built afterwards.
#include <optional>
#include <utility>
#include <vector>

#include "interpreter/flow_commands.h"
#include "interpreter/game_window.h"
#include "interpreter/tag_attributes.h"
#include "possessions/sell_window.h"
#include "possessions/shop.h"
#include "possessions/shop_window.h"

namespace qv {

namespace {

// OBCHOD: the offer of shop CISLO (1 when absent). A shop file that cannot
// be opened gives an empty shop; a number no line names gives no rows.
void Shop(GameWindow& form, const TagEntry& tag) {
  form.ShopNumber = 1;
  for (const param& p : Attributes(tag)) {
    if (p.Name == "CISLO") form.ShopNumber = IntValue(p);
  }
  std::optional<std::vector<ShopRow>> offer =
      LoadShop(form.Store.Files(), form.State, form.ShopNumber);
  ShopWindow window(form.State, form.host);
  window.MessageLine.clear();
  window.CentreOn(form.host.ScreenWidth(), form.host.ScreenHeight());
  window.ShowMoney();
  window.ShowOffer(offer ? std::move(*offer) : std::vector<ShopRow>{});
  form.RunPageWindow(window);
}

// PRODEJ: TYP chooses the kinds (weapons only when absent; a word that is
// no category lists everything), PROCENT the share of the value paid (50
// when absent).
void Sell(GameWindow& form, const TagEntry& tag) {
  form.SaleKind = 1;
  form.SalePercent = 50;
  for (const param& p : Attributes(tag)) {
    if (p.Name == "TYP") {
      form.SaleKind = CategoryCode(p.Value);
    } else if (p.Name == "PROCENT") {
      form.SalePercent = IntValue(p);
    }
  }
  SellWindow window(form.State, form.host);
  window.CentreOn(form.host.ScreenWidth(), form.host.ScreenHeight());
  window.Prepare(form.SaleKind, form.SalePercent);
  form.RunPageWindow(window);
}

}  // namespace

void AddShopCommands(CommandMap& map) {
  map["OBCHOD"] = &Shop;
  map["PRODEJ"] = &Sell;
}

}  // namespace qv
