// The window drivers a scripted run starts with: the answer prompt
// (`answer TEXT`), the picture pop-up (`close`), the character sheet and the
// inventory.
#pragma once

#include "script/dump.h"

namespace qv {

WindowDrivers DefaultWindowDrivers();

}  // namespace qv
