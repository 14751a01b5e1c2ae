// A font as the engine asks for it: a face name, a size and a style.
#pragma once

#include <string>

namespace qv {

struct FontStyle {
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
};

struct Font {
  std::string Face = "Arial";
  int SizePoints = 12;  // at 96 dots per inch: 12 points are 16 pixels
  FontStyle Style;
};

}  // namespace qv
