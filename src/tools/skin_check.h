// The checker's look at the skin files, grafika/skin.ini and
// grafika/menuskin.ini. The engine reads a value it cannot use as if the key
// were missing and says nothing, so an author's "Ramecky=Fialova" only shows
// as the default look; here it is reported at its line.
#pragma once

#include <string_view>
#include <vector>

#include "tools/check_finding.h"

namespace qv {

// The faults of one skin file's text, reported as `file`: colours that are
// neither a colour name nor *BBGGRR, sizes and switches that are no whole
// number, a size below 1.
std::vector<Finding> CheckSkinText(std::string_view file, std::string_view text);

// Both skin files of the gamebook in the working directory, where present.
std::vector<Finding> CheckSkinFiles();

}  // namespace qv
