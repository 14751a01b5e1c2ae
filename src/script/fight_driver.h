// Scripts in the fight window (FightWindow): `attack N`, `items`, `spells`,
// `use N`, `cast N`, `close`, and the window's "fight" entry in the dump.
#pragma once

#include <memory>

#include "script/window_driver.h"

namespace qv {

std::unique_ptr<WindowDriver> MakeFightDriver();

}  // namespace qv
