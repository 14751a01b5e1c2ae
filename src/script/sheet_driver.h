// The character sheet (CharacterSheetWindow) in scripts: `raise ATTRIBUTE` moves the mouse
// onto that raise button and clicks it, `close` clicks the close button.
#pragma once

#include <memory>

#include "script/window_driver.h"

namespace qv {

std::unique_ptr<WindowDriver> MakeSheetDriver();

}  // namespace qv
