#include "script/sell_driver.h"

#include <string>
#include <string_view>

#include "possessions/sell_window.h"
#include "script/action_checks.h"
#include "script/script_parser.h"
#include "script/shown_text.h"

namespace qv {

namespace {

class SellDriver final : public WindowDriver {
 public:
  void Apply(ModalWindow& window, const ScriptAction& action) override {
    auto& sale = dynamic_cast<SellWindow&>(window);
    if (const auto* sell = std::get_if<action::Sell>(&action)) {
      const std::size_t entry = ShownSaleEntry(sale, *sell);
      sale.EntryMouseMove(entry);
      sale.EntryClick(entry);
    } else if (std::holds_alternative<action::Close>(action)) {
      sale.CloseClick();
    } else {
      ThrowNotForWindow(window, action);
    }
  }

  nlohmann::ordered_json Dump(const ModalWindow& window) const override {
    const auto* sale = dynamic_cast<const SellWindow*>(&window);
    if (sale == nullptr) return nullptr;
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (const SaleEntry& entry : sale->Entries) {
      rows.push_back({{"kind", GoodsWord(entry.Goods)},
                      {"number", entry.Number},
                      {"caption", ShownText(entry.Label.Caption)},
                      {"visible", entry.Label.Visible}});
    }
    nlohmann::ordered_json out;
    out["money"] = ShownText(sale->Heading.Money);
    out["rows"] = std::move(rows);
    out["status"] = ShownText(sale->Status);
    return out;
  }
};

}  // namespace

std::unique_ptr<WindowDriver> MakeSellDriver() { return std::make_unique<SellDriver>(); }

}  // namespace qv
