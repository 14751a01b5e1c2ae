// How scripts drive one kind of modal window of the game (fight, shop, save,
// ...) and how that window appears in the dump. Each window kind that can be
// driven registers one driver with the runner under its kind; the parser
// (script_parser.h) has already checked that an action fits that kind.
#pragma once

#include <nlohmann/json.hpp>

#include "host/window.h"
#include "script/script_action.h"

namespace qv {

class WindowDriver {
 public:
  virtual ~WindowDriver() = default;

  // Carries out `action`, parsed for this driver's window kind, on `window`,
  // the window on top. Throws ScriptError when the window's state refuses it
  // (action_checks.h).
  virtual void Apply(ModalWindow& window, const ScriptAction& action) = 0;

  // The window's entry in the dump (under the key named after its kind).
  virtual nlohmann::ordered_json Dump(const ModalWindow& window) const = 0;
};

// An action the parser never gives a window of this kind: a fault of the
// program, reported as an internal error.
[[noreturn]] void ThrowNotForWindow(const ModalWindow& window, const ScriptAction& action);

}  // namespace qv
