// A modal window of the game that the desktop cannot draw yet: a plain panel
// naming it, closed by a click or Esc, so that the game goes on.
#pragma once

#include "desktop/layer.h"
#include "host/window.h"

namespace qv {

class DesktopHost;

class UnsupportedWindowView final : public Layer {
 public:
  UnsupportedWindowView(DesktopHost& host, ModalWindow& window) : host_(host), window_(window) {}

  void Draw(Canvas& canvas) override;
  void HandleEvent(const SDL_Event& event) override;
  std::string_view Kind() const override { return window_.Kind(); }
  ModalWindow* Window() const override { return &window_; }

 private:
  Rect Area() const;

  DesktopHost& host_;
  ModalWindow& window_;
};

}  // namespace qv
