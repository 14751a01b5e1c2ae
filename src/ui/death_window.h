// DeathWindow (TForm12): the death window: the hero's hit points fell to 0 or below. It
// shows one fixed picture in the top-left corner of the screen, and a click
// on it or any character key ends the program; nothing of the game can be
// done any more.
#pragma once

#include <string>
#include <string_view>

#include "host/host.h"
#include "host/window.h"

namespace qv {

inline constexpr std::string_view kDeathPicture = "./grafika/smrtcool.jpg";

class DeathWindow : public ModalWindow {
 public:
  static constexpr int kWidth = 210;
  static constexpr int kHeight = 180;

  explicit DeathWindow(Host& host) : host_(host) {}

  std::string_view Kind() const override { return "death"; }

  std::string File = std::string(kDeathPicture);
  int Left = 0;
  int Top = 0;

  // The click on the picture.
  void PictureClick() { host_.EndProgram(); }
  // Any character key, Enter and Esc included.
  void FormKeyPress(char /*key*/) { host_.EndProgram(); }

 private:
  Host& host_;
};

}  // namespace qv
