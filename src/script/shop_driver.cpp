#include "script/shop_driver.h"

#include <string>

#include "possessions/shop_window.h"
#include "script/script_commands.h"
#include "script/script_error.h"
#include "script/shown_text.h"

namespace qv {

namespace {

class ShopDriver final : public WindowDriver {
 public:
  void Apply(ModalWindow& window, const ScriptLine& line) override {
    auto* shop = dynamic_cast<ShopWindow*>(&window);
    if (shop == nullptr || (line.Command != "buy" && line.Command != "close")) {
      throw ScriptError("'" + line.Command + "' does not fit the window on top (" +
                        std::string(window.Kind()) + ")");
    }
    if (line.Command == "close") {
      ExpectNoArguments(line);
      shop->CloseMouseMove();
      shop->CloseClick();
      return;
    }
    const int32_t row = NumberArgument(line);
    const auto shown = static_cast<int32_t>(shop->RowLabels.size());
    if (row < 1 || row > shown) {
      throw ScriptError("buy: there is no row " + std::to_string(row) + " (" +
                        std::to_string(shown) + " shown)");
    }
    shop->RowMouseMove(row);
    shop->RowClick(row);
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
