// The page the game window shows: a column of text blocks and pictures, the
// five message lines and the countdown. Rebuilt by every ChangeLoc.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "host/font.h"
#include "parser/colour.h"
#include "ui/link_fields.h"

namespace qv {

enum class FontRole { Maintext, Courier, MenuFont };

// One block of location text (a TXLabel of TextBlocks).
struct TXLabel {
  int32_t Number = 0;  // its number in TextBlocks, from 1
  std::string Text;    // with the engine's own CR LF line breaks
  FontRole Role = FontRole::Maintext;
  FontStyle Style;
  Colour TextColour = 0xFFFFFF;
  int32_t Target = 0;   // location a click leads to; 0 = none
  std::string WebLink;  // opened by a click when there is no target
  LinkFields Link;
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  int32_t PreviousText = 0;  // text block placed before it; 0 = none
  int32_t UnderPicture = 0;  // picture it was placed under; 0 = none
};

// One picture in the text column (a TXImage of InTextPictures).
struct TXImage {
  std::string File;  // "./obrazky/" + file name
  std::string Hint;
  int32_t Target = 0;
  LinkFields Link;
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool SizeGiven = false;  // drawn unscaled from the top left, cut at the edges
  int32_t PreviousPicture = 0;
  int32_t UnderText = 0;
};

struct InfoLine {
  std::string Text;
  Colour LineColour = 0xFFFFFF;
};

// The page's countdown, started by CASOVAC and reset by every page.
struct Countdown {
  bool TimerActive = false;
  bool TimerShown = false;
  int32_t TimerSeconds = 0;
  int32_t TimerTarget = 0;
  int32_t TimerTicks = 0;
  std::string TimerLabel;
};

}  // namespace qv
