#include "script/inventory_driver.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "possessions/inventory_window.h"
#include "script/script_commands.h"
#include "script/script_error.h"
#include "script/shown_text.h"

namespace qv {

namespace {

using Json = nlohmann::ordered_json;

// N of the line's last argument; the entry must be listed.
int32_t ListedNumber(const ScriptLine& line, std::string_view number_text,
                     const std::vector<TLELabel>& list, std::string_view what) {
  ScriptLine number_line = line;
  number_line.Arguments = {std::string(number_text)};
  const int32_t n = NumberArgument(number_line);
  if (!InventoryWindow::Find(list, n)) {
    throw ScriptError(line.Command + ": " + std::string(what) + " " + std::to_string(n) +
                      " is not in the list");
  }
  return n;
}

Json Captions(const std::vector<TLELabel>& list) {
  Json out = Json::array();
  for (const TLELabel& label : list) out.push_back(ShownText(label.Caption));
  return out;
}

class InventoryDriver final : public WindowDriver {
 public:
  void Apply(ModalWindow& window, const ScriptLine& line) override {
    auto* inventory = dynamic_cast<InventoryWindow*>(&window);
    if (!inventory) DoesNotFit(window, line);
    const std::string& command = line.Command;
    if (command == "use") {
      const int32_t n = ListedNumber(line, WordArgument(line), inventory->Items, "item");
      inventory->ItemMouseEnter(n);
      inventory->ItemClick(n);
    } else if (command == "equip") {
      if (line.Arguments.size() != 2) throw ScriptError("equip takes two arguments");
      const std::string& kind = line.Arguments[0];
      if (kind == "weapon") {
        const int32_t n = ListedNumber(line, line.Arguments[1], inventory->Weapons, "weapon");
        inventory->WeaponMouseEnter(n);
        inventory->WeaponClick(n);
      } else if (kind == "armour") {
        const int32_t n = ListedNumber(line, line.Arguments[1], inventory->Armours, "armour");
        inventory->ArmourMouseEnter(n);
        inventory->ArmourClick(n);
      } else {
        throw ScriptError("equip: weapon or armour, not '" + kind + "'");
      }
    } else if (command == "object") {
      const int32_t n = ListedNumber(line, WordArgument(line), inventory->Objects, "object");
      inventory->ObjectMouseEnter(n);
      inventory->ObjectClick(n);
    } else if (command == "close") {
      ExpectNoArguments(line);
      inventory->KrizekMouseMove();
      inventory->KrizekClick();
    } else {
      DoesNotFit(window, line);
    }
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

 private:
  [[noreturn]] static void DoesNotFit(const ModalWindow& window, const ScriptLine& line) {
    throw ScriptError("'" + line.Command + "' does not fit the window on top (" +
                      std::string(window.Kind()) + ")");
  }
};

}  // namespace

std::unique_ptr<WindowDriver> MakeInventoryDriver() { return std::make_unique<InventoryDriver>(); }

}  // namespace qv
