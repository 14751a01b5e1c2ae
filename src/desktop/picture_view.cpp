#include "desktop/picture_view.h"

#include "desktop/desktop_host.h"
#include "desktop/small_window.h"

namespace qv {

namespace {

const Font kCaptionFont{"Arial", 10, {}};

}  // namespace

PictureView::PictureView(DesktopHost& host, PicturePopupWindow& window)
    : host_(host),
      window_(window),
      // On a background of its own (the inventory's black) nothing of the
      // picture is see-through.
      texture_(UploadPicture(host.Renderer(), window.Image,
                             window.Background ? std::nullopt : SeeThrough(host.Look().Menu))) {}

void PictureView::Draw(Canvas& canvas) {
  const Rect window{window_.Left, window_.Top, window_.ClientWidth(), window_.ClientHeight()};
  if (window_.Background) {
    canvas.Fill(window, *window_.Background);
  } else {
    FillSmallWindow(canvas, host_.Look().Menu, window);
  }
  const ShownPicture picture{texture_.get(), window_.Image.Width, window_.Image.Height};
  canvas.DrawPictureClipped(picture, PictureArea());
  const TextSize caption = canvas.Measure(kCaptionFont, window_.Caption);
  canvas.Text(kCaptionFont, window_.Caption, kWhite,
              window_.Left + (window_.Width - caption.Width) / 2,
              window_.Top + window_.CaptionTop());
}

void PictureView::HandleEvent(const SDL_Event& event) {
  if (event.type == SDL_MOUSEBUTTONDOWN && event.button.button == SDL_BUTTON_LEFT &&
      PictureArea().Contains(event.button.x, event.button.y)) {
    window_.PictureClick();
  }
}

}  // namespace qv
