// The help text the "Nápověda" button puts under the page: a narrow form for
// screens up to 640 pixels wide, a wide form above.
#pragma once

#include <string>

namespace qv {

std::string BuildHelpText(int screen_width);

}  // namespace qv
