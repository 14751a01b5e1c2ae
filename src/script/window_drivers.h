// The window drivers a scripted run starts with: the answer prompt
// (`answer TEXT`) and the picture pop-up (`close`).
#pragma once

#include "script/dump.h"

namespace qv {

WindowDrivers DefaultWindowDrivers();

}  // namespace qv
