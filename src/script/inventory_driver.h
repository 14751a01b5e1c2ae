// The inventory (InventoryWindow) in scripts: `use N` (item N), `equip weapon N`,
// `equip armour N`, `object N` move the mouse onto the entry of that catalog
// or object number and click it; `close` clicks the close picture.
#pragma once

#include <memory>

#include "script/window_driver.h"

namespace qv {

std::unique_ptr<WindowDriver> MakeInventoryDriver();

}  // namespace qv
