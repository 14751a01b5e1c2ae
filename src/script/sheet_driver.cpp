#include "script/sheet_driver.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "possessions/character_sheet_window.h"
#include "script/script_commands.h"
#include "script/script_error.h"
#include "script/shown_text.h"

namespace qv {

namespace {

using Json = nlohmann::ordered_json;

// The script's names of the six raises, in RaiseIndex order.
constexpr std::array<std::string_view, kRaiseCount> kRaiseNames = {
    "zivoty", "mana", "sila", "obratnost", "energie", "rychlost"};

RaiseIndex RaiseNamed(std::string_view name) {
  for (std::size_t k = 0; k < kRaiseCount; ++k) {
    if (kRaiseNames[k] == name) return static_cast<RaiseIndex>(k);
  }
  throw ScriptError("raise: zivoty, mana, sila, obratnost, energie or rychlost, not '" +
                    std::string(name) + "'");
}

class SheetDriver final : public WindowDriver {
 public:
  void Apply(ModalWindow& window, const ScriptLine& line) override {
    auto* sheet = dynamic_cast<CharacterSheetWindow*>(&window);
    if (!sheet) DoesNotFit(window, line);
    if (line.Command == "raise") {
      const RaiseIndex k = RaiseNamed(WordArgument(line));
      // Only a button that is shown can be reached.
      if (!sheet->RaiseVisible[k]) {
        throw ScriptError("raise: the " + std::string(kRaiseNames[k]) + " button is not shown");
      }
      sheet->RaiseMouseMove(k);
      sheet->RaiseClick(k);
    } else if (line.Command == "close") {
      ExpectNoArguments(line);
      sheet->KrizekMouseMove();
      sheet->KrizekClick();
    } else {
      DoesNotFit(window, line);
    }
  }

  Json Dump(const ModalWindow& window) const override {
    const auto* sheet = dynamic_cast<const CharacterSheetWindow*>(&window);
    if (!sheet) return nullptr;
    Json out;
    out["name"] = ShownText(sheet->Jmeno);
    out["xp"] = ShownText(sheet->XP);
    // A hidden line shows nothing.
    out["lines"] = Json{{"zivoty", ShownText(sheet->Zivoty)},
                        {"mana", sheet->HideMana ? std::string() : ShownText(sheet->Mana)},
                        {"sila", ShownText(sheet->Sila)},
                        {"obratnost", ShownText(sheet->Obratnost)},
                        {"rychlost", ShownText(sheet->Rychlost)},
                        {"energie", ShownText(sheet->Energie)},
                        {"zbran", ShownText(sheet->Zbran)},
                        {"zbroj", ShownText(sheet->Zbroj)}};
    Json raise = Json::object();
    for (std::size_t k = 0; k < kRaiseCount; ++k) {
      raise[std::string(kRaiseNames[k])] = sheet->RaiseVisible[k];
    }
    out["raise"] = std::move(raise);
    // Added to the contract's keys: the hint line under the mouse.
    out["hint"] = ShownText(sheet->XPinfo);
    return out;
  }

 private:
  [[noreturn]] static void DoesNotFit(const ModalWindow& window, const ScriptLine& line) {
    throw ScriptError("'" + line.Command + "' does not fit the window on top (" +
                      std::string(window.Kind()) + ")");
  }
};

}  // namespace

std::unique_ptr<WindowDriver> MakeSheetDriver() { return std::make_unique<SheetDriver>(); }

}  // namespace qv
