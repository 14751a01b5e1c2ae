// The about window (AboutWindow) over the main menu: the background "menu", the
// title picture, five lines of text, the link line and the version. A click
// on the link opens the web site; a click elsewhere or any character key
// closes it.
#pragma once

#include "desktop/layer.h"
#include "ui/about_window.h"

namespace qv {

class DesktopHost;

class AboutView final : public Layer {
 public:
  AboutView(DesktopHost& host, AboutWindow& window) : host_(host), window_(window) {}

  void Draw(Canvas& canvas) override;
  void HandleEvent(const SDL_Event& event) override;
  std::string_view Kind() const override { return window_.Kind(); }
  ModalWindow* Window() const override { return &window_; }

  Rect LinkArea() const;

 private:
  DesktopHost& host_;
  AboutWindow& window_;
};

}  // namespace qv
