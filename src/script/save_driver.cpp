#include "script/save_driver.h"

#include <string>

#include "data/cp1250.h"
#include "script/shown_text.h"
#include "state/save_window.h"

namespace qv {

namespace {

class SaveDriver final : public WindowDriver {
 public:
  void Apply(ModalWindow& window, const ScriptAction& action) override {
    auto& form = dynamic_cast<SaveWindow&>(window);
    if (const auto* save = std::get_if<action::Save>(&action)) {
      form.NameField = Utf8ToCp1250(save->Name);
      // A refused name leaves the window open with its message shown.
      form.UlozitClick();
    } else if (std::holds_alternative<action::DontSave>(action)) {
      form.NeukladatClick();
    } else {
      ThrowNotForWindow(window, action);
    }
  }

  nlohmann::ordered_json Dump(const ModalWindow& window) const override {
    const auto* form = dynamic_cast<const SaveWindow*>(&window);
    if (!form) return nullptr;
    nlohmann::ordered_json out;
    out["name"] = ShownText(form->NameField);
    return out;
  }
};

}  // namespace

std::unique_ptr<WindowDriver> MakeSaveDriver() { return std::make_unique<SaveDriver>(); }

}  // namespace qv
