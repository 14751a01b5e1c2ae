#include "script/sell_driver.h"

#include <optional>
#include <string>
#include <string_view>

#include "possessions/sell_window.h"
#include "script/script_commands.h"
#include "script/script_error.h"
#include "script/shown_text.h"

namespace qv {

namespace {

std::string_view GoodsWord(SaleGoods goods) {
  switch (goods) {
    case SaleGoods::Weapon:
      return "weapon";
    case SaleGoods::Armour:
      return "armour";
    case SaleGoods::Item:
      return "item";
  }
  return "";
}

std::optional<SaleGoods> GoodsOfWord(std::string_view word) {
  for (SaleGoods goods : {SaleGoods::Weapon, SaleGoods::Armour, SaleGoods::Item}) {
    if (GoodsWord(goods) == word) return goods;
  }
  return std::nullopt;
}

int32_t ParseCatalogNumber(const ScriptLine& line, const std::string& text) {
  ScriptLine number_line = line;
  number_line.Arguments = {text};
  return NumberArgument(number_line);
}

class SellDriver final : public WindowDriver {
 public:
  void Apply(ModalWindow& window, const ScriptLine& line) override {
    auto* sale = dynamic_cast<SellWindow*>(&window);
    if (sale == nullptr || (line.Command != "sell" && line.Command != "close")) {
      throw ScriptError("'" + line.Command + "' does not fit the window on top (" +
                        std::string(window.Kind()) + ")");
    }
    if (line.Command == "close") {
      ExpectNoArguments(line);
      sale->CloseClick();
      return;
    }
    if (line.Arguments.size() != 2) {
      throw ScriptError("sell takes two arguments: weapon|armour|item and a catalog number");
    }
    const std::optional<SaleGoods> goods = GoodsOfWord(line.Arguments[0]);
    if (!goods) {
      throw ScriptError("sell: weapon, armour or item, not '" + line.Arguments[0] + "'");
    }
    const int32_t number = ParseCatalogNumber(line, line.Arguments[1]);
    for (std::size_t i = 0; i < sale->Entries.size(); ++i) {
      const SaleEntry& entry = sale->Entries[i];
      if (entry.Goods != *goods || entry.Number != number || !entry.Label.Visible) continue;
      sale->EntryMouseMove(i);
      sale->EntryClick(i);
      return;
    }
    throw ScriptError("sell: no " + line.Arguments[0] + " " + std::to_string(number) + " is shown");
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
