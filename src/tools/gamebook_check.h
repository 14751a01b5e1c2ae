// The authors' checker: reads the gamebook in the working directory the way
// the engine reads it (plain or scrambled, constants, libraries, catalogs)
// and reports what would go wrong in play, each at the author's own file and
// line.
#pragma once

#include <vector>

#include "tools/check_finding.h"

namespace qv {

// Every fault found, sorted by file and line.
std::vector<Finding> CheckGamebook();

}  // namespace qv
