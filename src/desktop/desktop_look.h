// The colours and fonts the desktop windows are drawn in: the skin's values,
// with the defaults a gamebook without skin files gets (maroon on black).
#pragma once

#include "host/font.h"
#include "parser/colour.h"

namespace qv {

struct ColouredFont {
  Font Face;
  Colour TextColour = 0;
};

inline constexpr Colour kMaroon = 0x000080;
inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kYellow = 0x00FFFF;
inline constexpr Colour kFuchsia = 0xFF00FF;

struct DesktopLook {
  Colour MainBackground = kBlack;
  Colour TransparentColour = 0x030203;
  bool TransparentForms = true;
  Colour FrameColour = kMaroon;
  Colour LabelColour = kMaroon;
  Colour WindowColour = kBlack;
  bool HideMana = false;

  // The main menu and its windows.
  ColouredFont GameTitle{{"Arial", 12, {}}, kBlack};
  ColouredFont AuthorLine{{"Arial", 10, {}}, kBlack};
  ColouredFont AboutText{{"Arial", 12, {true, false, false, false}}, kBlack};
  ColouredFont Version{{"Arial", 8, {}}, kBlack};
  ColouredFont Link{{"Arial", 14, {false, false, true, false}}, kYellow};
  ColouredFont SaveEntry{{"Arial", 10, {}}, kBlack};
  ColouredFont SaveHeading{{"Arial", 10, {}}, kBlack};
};

}  // namespace qv
