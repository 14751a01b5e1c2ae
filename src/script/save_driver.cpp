#include "script/save_driver.h"

#include <string>

#include "data/cp1250.h"
#include "script/script_commands.h"
#include "script/script_error.h"
#include "script/shown_text.h"
#include "state/save_window.h"

namespace qv {

namespace {

class SaveDriver final : public WindowDriver {
 public:
  void Apply(ModalWindow& window, const ScriptLine& line) override {
    auto* form = dynamic_cast<SaveWindow*>(&window);
    if (form && line.Command == "save") {
      form->NameField = Utf8ToCp1250(line.Text);
      // A refused name leaves the window open with its message shown.
      form->UlozitClick();
    } else if (form && line.Command == "nosave") {
      ExpectNoArguments(line);
      form->NeukladatClick();
    } else {
      throw ScriptError("'" + line.Command + "' does not fit the window on top (" +
                        std::string(window.Kind()) + ")");
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
