// The selling window (SellWindow) in scripts: `sell weapon|armour|item N`
// moves the mouse onto the shown entry of catalog number N of that kind and
// clicks it, `close` clicks the close picture. Dumped as
// {money, rows: [{kind, number, caption, visible}], status}.
#pragma once

#include <memory>

#include "script/window_driver.h"

namespace qv {

std::unique_ptr<WindowDriver> MakeSellDriver();

}  // namespace qv
