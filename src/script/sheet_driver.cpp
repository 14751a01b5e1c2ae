#include "script/sheet_driver.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "possessions/character_sheet_window.h"
#include "script/action_checks.h"
#include "script/script_parser.h"
#include "script/shown_text.h"

namespace qv {

namespace {

using Json = nlohmann::ordered_json;

class SheetDriver final : public WindowDriver {
 public:
  void Apply(ModalWindow& window, const ScriptAction& action) override {
    auto& sheet = dynamic_cast<CharacterSheetWindow&>(window);
    if (const auto* raise = std::get_if<action::Raise>(&action)) {
      CheckRaiseShown(sheet, raise->Which);
      sheet.RaiseMouseMove(raise->Which);
      sheet.RaiseClick(raise->Which);
    } else if (std::holds_alternative<action::Close>(action)) {
      sheet.KrizekMouseMove();
      sheet.KrizekClick();
    } else {
      ThrowNotForWindow(window, action);
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
      raise[std::string(RaiseWord(static_cast<RaiseIndex>(k)))] = sheet->RaiseVisible[k];
    }
    out["raise"] = std::move(raise);
    // Added to the contract's keys: the hint line under the mouse.
    out["hint"] = ShownText(sheet->XPinfo);
    return out;
  }
};

}  // namespace

std::unique_ptr<WindowDriver> MakeSheetDriver() { return std::make_unique<SheetDriver>(); }

}  // namespace qv
