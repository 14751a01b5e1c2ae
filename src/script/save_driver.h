// The save window (SaveWindow) in scripts: `save TEXT` types TEXT into the
// name field and clicks "ulozit"; `nosave` clicks "neukladat". Dumped is the
// name field.
#pragma once

#include <memory>

#include "script/window_driver.h"

namespace qv {

std::unique_ptr<WindowDriver> MakeSaveDriver();

}  // namespace qv
