// Text metrics with no font at hand: a fixed, documented approximation used
// by hosts that draw nothing (the script runner, tests). A line is
// ceil(1.15 x pixel size) high (19 for the default 16-pixel text) and every
// byte is half the pixel size wide, rounded up.
#pragma once

#include <string_view>

#include "host/font.h"
#include "host/host.h"

namespace qv {

TextSize ApproximateTextSize(const Font& font, std::string_view text);

}  // namespace qv
