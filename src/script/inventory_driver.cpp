#include "script/inventory_driver.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "possessions/inventory_window.h"
#include "script/action_checks.h"
#include "script/shown_text.h"

namespace qv {

namespace {

using Json = nlohmann::ordered_json;

Json Captions(const std::vector<TLELabel>& list) {
  Json out = Json::array();
  for (const TLELabel& label : list) out.push_back(ShownText(label.Caption));
  return out;
}

class InventoryDriver final : public WindowDriver {
 public:
  void Apply(ModalWindow& window, const ScriptAction& action) override {
    auto& inventory = dynamic_cast<InventoryWindow&>(window);
    std::visit(Overloaded{
                   [&](const action::Use& a) {
                     CheckListed(action, "item", inventory.Items, a.Number);
                     inventory.ItemMouseEnter(a.Number);
                     inventory.ItemClick(a.Number);
                   },
                   [&](const action::Equip& a) {
                     if (a.Which == action::Gear::Weapon) {
                       CheckListed(action, "weapon", inventory.Weapons, a.Number);
                       inventory.WeaponMouseEnter(a.Number);
                       inventory.WeaponClick(a.Number);
                     } else {
                       CheckListed(action, "armour", inventory.Armours, a.Number);
                       inventory.ArmourMouseEnter(a.Number);
                       inventory.ArmourClick(a.Number);
                     }
                   },
                   [&](const action::ClickObject& a) {
                     CheckListed(action, "object", inventory.Objects, a.Number);
                     inventory.ObjectMouseEnter(a.Number);
                     inventory.ObjectClick(a.Number);
                   },
                   [&](const action::Close&) {
                     inventory.KrizekMouseMove();
                     inventory.KrizekClick();
                   },
                   [&](const auto&) { ThrowNotForWindow(window, action); },
               },
               action);
  }

  Json Dump(const ModalWindow& window) const override {
    const auto* inventory = dynamic_cast<const InventoryWindow*>(&window);
    if (!inventory) return nullptr;
    Json out;
    // The two labels of the money line, side by side.
    out["money"] = ShownText(inventory->CurrencyLabel + " " + inventory->Prachy);
    out["objects"] = Captions(inventory->Objects);
    out["items"] = Captions(inventory->Items);
    out["weapons"] = Captions(inventory->Weapons);
    out["armour"] = Captions(inventory->Armours);
    out["status"] = ShownText(inventory->Status);
    out["status2"] = ShownText(inventory->Status2);
    return out;
  }
};

}  // namespace

std::unique_ptr<WindowDriver> MakeInventoryDriver() { return std::make_unique<InventoryDriver>(); }

}  // namespace qv
