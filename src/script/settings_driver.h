// The settings window (SettingsWindow) in scripts: `sound on|off`, `music on|off`,
// `sound-volume V`, `music-volume V` (V 0..255, the slider's range), `ok`
// and `close`. A switch is clicked only when it changes; the dump shows the
// controls.
#pragma once

#include <memory>

#include "script/window_driver.h"

namespace qv {

std::unique_ptr<WindowDriver> MakeSettingsDriver();

}  // namespace qv
