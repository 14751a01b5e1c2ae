// PicturePopupWindow (TForm13): the picture pop-up: one picture with a caption line under it,
// closed by a click on the picture. The picture is drawn unscaled from the
// top left, cut at the window's edge when the window is smaller.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "host/window.h"
#include "parser/colour.h"
#include "ui/picture.h"
#include "ui/saturated.h"

namespace qv {

class PicturePopupWindow : public ModalWindow {
 public:
  // The caption line's room under the picture.
  static constexpr int kCaptionRoom = 25;
  static constexpr int kCaptionGap = 5;

  std::string_view Kind() const override { return "picture"; }

  std::string File;     // the picture's path as the gamebook names it (Windows-1250)
  Picture Image;        // Image1, the decoded picture while the window is up
  int Width = 30;       // of the picture area (the client width)
  int Height = 30;      // of the picture area
  std::string Caption;  // Label1, centred under the picture
  // Empty: the skin's see-through background (the OBRAZEK command); the
  // inventory's object pictures stand on black.
  std::optional<Colour> Background;
  int Left = 0;
  int Top = 0;

  int ClientWidth() const { return Width; }
  // A gamebook may give a picture as high as a 32-bit number goes.
  int ClientHeight() const { return SaturatedSum({Height, kCaptionRoom}); }
  int CaptionTop() const { return SaturatedSum({Height, kCaptionGap}); }

  // Centres the window on a screen of that size, each half rounded toward
  // zero.
  void CentreOnScreen(int screen_width, int screen_height);

  // The click on the picture.
  void PictureClick() { Close(); }
};

}  // namespace qv
