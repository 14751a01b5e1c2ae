#include "script/window_drivers.h"

#include "script/script_commands.h"
#include "script/script_error.h"

namespace qv {

namespace {

// A window whose only command is `close`.
class ClosingDriver final : public WindowDriver {
 public:
  void Apply(ModalWindow& window, const ScriptLine& line) override {
    if (line.Command != "close") {
      throw ScriptError("'" + line.Command + "' does not fit the window on top (" +
                        std::string(window.Kind()) + ")");
    }
    ExpectNoArguments(line);
    window.Close();
  }
  nlohmann::ordered_json Dump(const ModalWindow&) const override { return nullptr; }
};

}  // namespace

WindowDrivers DefaultWindowDrivers() {
  WindowDrivers drivers;
  drivers["picture"] = std::make_unique<ClosingDriver>();
  return drivers;
}

}  // namespace qv
