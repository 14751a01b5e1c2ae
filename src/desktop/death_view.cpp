#include "desktop/death_view.h"

#include "desktop/desktop_host.h"

namespace qv {

bool IsCharacterKey(const SDL_Event& event) {
  if (event.type == SDL_TEXTINPUT) return true;
  if (event.type != SDL_KEYDOWN) return false;
  switch (event.key.keysym.sym) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
    case SDLK_ESCAPE:
    case SDLK_BACKSPACE:
    case SDLK_TAB:
      return true;
    default:
      return false;
  }
}

void DeathView::Draw(Canvas& canvas) {
  const Rect area{0, 0, kWidth, kHeight};
  canvas.Fill(area, kBlack);
  canvas.DrawPictureClipped(canvas.Pictures().File(kPicture), area);
}

void DeathView::HandleEvent(const SDL_Event& event) {
  const bool on_picture = event.type == SDL_MOUSEBUTTONDOWN &&
                          event.button.button == SDL_BUTTON_LEFT &&
                          Rect{0, 0, kWidth, kHeight}.Contains(event.button.x, event.button.y);
  if (on_picture || IsCharacterKey(event)) host_.EndProgram();
}

}  // namespace qv
