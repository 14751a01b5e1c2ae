// The death window (DeathWindow): its fixed picture in a 210 x 180 panel at the
// top-left corner. A click on the picture or any character key (Enter and
// Esc included) ends the program.
#pragma once

#include "desktop/layer.h"
#include "ui/death_window.h"

namespace qv {

class DesktopHost;

class DeathView final : public Layer {
 public:
  explicit DeathView(DeathWindow& window) : window_(window) {}

  void Draw(Canvas& canvas) override;
  void HandleEvent(const SDL_Event& event) override;
  std::string_view Kind() const override { return window_.Kind(); }
  ModalWindow* Window() const override { return &window_; }

  Rect Area() const {
    return Rect{window_.Left, window_.Top, DeathWindow::kWidth, DeathWindow::kHeight};
  }

 private:
  DeathWindow& window_;
};

// Enter, Esc and every key that types a character: the keys that close the
// windows which any character key closes.
bool IsCharacterKey(const SDL_Event& event);

}  // namespace qv
