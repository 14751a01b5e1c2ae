// Colours of gamebook text: a name such as "Red" or a number such as "$0000FF".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

// 0x00BBGGRR: red in the low byte.
using Colour = uint32_t;

// TEXT trimmed, every "*" turned into "$". "$" + hexadecimal digits is the
// colour number itself, blue-green-red ("$0000FF" is red); anything else is a
// colour name (Black, Maroon, Green, ... MedGray) compared without regard to
// case. Neither throws ConversionError carrying TEXT as given.
Colour ParseColour(std::string_view text);

// "#RRGGBB", upper-case hexadecimal; the top byte is ignored.
std::string ColourToHtml(Colour colour);

}  // namespace qv
