#include "script/window_driver.h"

#include <stdexcept>
#include <string>

#include "script/script_parser.h"

namespace qv {

void ThrowNotForWindow(const ModalWindow& window, const ScriptAction& action) {
  throw std::logic_error("'" + std::string(CommandWord(action)) + "' reached the " +
                         std::string(window.Kind()) + " window");
}

}  // namespace qv
