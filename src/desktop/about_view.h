// The about window over the main menu: the background "menu", the title
// picture, five lines of text, the link line and the version. A click on the
// link opens the web site; a click elsewhere or any character key closes it.
#pragma once

#include "desktop/layer.h"

namespace qv {

class DesktopHost;

// The maker's web site, opened by the link line.
inline constexpr const char* kMakerWebAddress = "https://quarvelin.example/";

class AboutView final : public Layer {
 public:
  explicit AboutView(DesktopHost& host) : host_(host) {}

  void Draw(Canvas& canvas) override;
  void HandleEvent(const SDL_Event& event) override;
  std::string_view Kind() const override { return "about"; }
  bool Closed() const { return closed_; }

  Rect LinkArea() const;

 private:
  DesktopHost& host_;
  bool closed_ = false;
};

}  // namespace qv
