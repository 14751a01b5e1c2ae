// How scripts drive one kind of modal window of the game (fight, shop, save,
// ...) and how that window appears in the dump. Each window kind that can be
// driven registers one driver with the runner; the commands of a window
// without a driver cannot be applied yet.
#pragma once

#include <nlohmann/json.hpp>

#include "host/window.h"
#include "script/script_reader.h"

namespace qv {

class WindowDriver {
 public:
  virtual ~WindowDriver() = default;

  // Carries out `line` on `window`, the window on top. Throws ScriptError
  // when the command does not belong to this window or cannot be applied.
  virtual void Apply(ModalWindow& window, const ScriptLine& line) = 0;

  // The window's entry in the dump (under the key named after its kind).
  virtual nlohmann::ordered_json Dump(const ModalWindow& window) const = 0;
};

}  // namespace qv
