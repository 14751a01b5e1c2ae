// The window drivers a scripted run starts with.
#pragma once

#include "script/dump.h"

namespace qv {

// The picture pop-up is closed by a click on its picture (`close`); its
// content joins the dump once the pop-up window exists as a model.
WindowDrivers DefaultWindowDrivers();

}  // namespace qv
