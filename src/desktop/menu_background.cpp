#include "desktop/menu_background.h"

#include <algorithm>

namespace qv {

void DrawMenuBackground(Canvas& canvas, bool shaped_window, const Rect& window, Colour fill,
                        const ShownPicture& picture) {
  if (!shaped_window || !picture.Texture) {
    canvas.Fill(window, fill);
  } else {
    // Only the strips of the window that the picture does not cover.
    const int right = window.Left + std::min(picture.Width, window.Width);
    const int bottom = window.Top + std::min(picture.Height, window.Height);
    canvas.Fill(Rect{right, window.Top, window.Right() - right, window.Height}, fill);
    canvas.Fill(Rect{window.Left, bottom, right - window.Left, window.Bottom() - bottom}, fill);
  }
  canvas.DrawPicture(picture, window.Left, window.Top, Rect{0, 0, window.Width, window.Height});
}

}  // namespace qv
