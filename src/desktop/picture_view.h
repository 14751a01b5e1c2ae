// The picture pop-up (PicturePopupWindow) over the page: the picture unscaled from the
// top left, cut at the window's edge, and its caption centred 5 pixels below
// it. A click on the picture closes it.
#pragma once

#include "desktop/layer.h"
#include "desktop/sdl_handles.h"
#include "ui/picture_popup_window.h"

namespace qv {

class DesktopHost;

class PictureView final : public Layer {
 public:
  PictureView(DesktopHost& host, PicturePopupWindow& window);

  void Draw(Canvas& canvas) override;
  void HandleEvent(const SDL_Event& event) override;
  std::string_view Kind() const override { return window_.Kind(); }
  ModalWindow* Window() const override { return &window_; }

  Rect PictureArea() const {
    return Rect{window_.Left, window_.Top, window_.Width, window_.Height};
  }

 private:
  DesktopHost& host_;
  PicturePopupWindow& window_;
  TextureHandle texture_;
};

}  // namespace qv
