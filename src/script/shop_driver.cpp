#include "script/shop_driver.h"

#include <string>

#include "possessions/shop_window.h"
#include "script/action_checks.h"
#include "script/shown_text.h"

namespace qv {

namespace {

class ShopDriver final : public WindowDriver {
 public:
  void Apply(ModalWindow& window, const ScriptAction& action) override {
    auto& shop = dynamic_cast<ShopWindow&>(window);
    if (const auto* buy = std::get_if<action::Buy>(&action)) {
      CheckShown(action, "row", buy->Row, shop.RowLabels.size());
      shop.RowMouseMove(buy->Row);
      shop.RowClick(buy->Row);
    } else if (std::holds_alternative<action::Close>(action)) {
      shop.CloseMouseMove();
      shop.CloseClick();
    } else {
      ThrowNotForWindow(window, action);
    }
  }

  nlohmann::ordered_json Dump(const ModalWindow& window) const override {
    const auto* shop = dynamic_cast<const ShopWindow*>(&window);
    if (shop == nullptr) return nullptr;
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (const ShopRow& row : shop->Offer) {
      rows.push_back({{"name", ShownText(row.Name)}, {"price", row.Price}});
    }
    nlohmann::ordered_json out;
    out["money"] = ShownText(shop->Heading.Money);
    out["rows"] = std::move(rows);
    out["message"] = ShownText(shop->MessageLine);
    out["hint"] = ShownText(shop->HoverLine);
    return out;
  }
};

}  // namespace

std::unique_ptr<WindowDriver> MakeShopDriver() { return std::make_unique<ShopDriver>(); }

}  // namespace qv
